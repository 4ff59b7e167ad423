#pragma once
// The process's environment for code in a library or bundle, which cannot link environ on macOS: the
// _NSGetEnviron() of <crt_externs.h>, as gnulib's notes on environ describe it
// (https://www.gnu.org/software/gnulib/manual/html_node/environ.html).
extern "C" char ***_NSGetEnviron(void);
