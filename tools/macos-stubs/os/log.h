#pragma once
// The unified log, from Apple's documentation: os_log_create(3) and
// https://developer.apple.com/documentation/os/os_log_create (a log object for a subsystem and a category, to be
// released), https://developer.apple.com/documentation/os/os_log_type_t (the levels) and os_log(3)
// (os_log_with_type: a log object, a level, a format and its arguments).
#include <os/object.h>

typedef struct os_log_s *os_log_t;
typedef unsigned char os_log_type_t;
// The levels' values are not relied upon; only their names are.
enum : os_log_type_t {
    OS_LOG_TYPE_DEFAULT,
    OS_LOG_TYPE_INFO,
    OS_LOG_TYPE_DEBUG,
    OS_LOG_TYPE_ERROR,
    OS_LOG_TYPE_FAULT,
};

extern "C" os_log_t os_log_create(const char *subsystem, const char *category);
extern "C" void os_log_with_type(os_log_t log, os_log_type_t type, const char *format, ...);
