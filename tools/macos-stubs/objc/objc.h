#pragma once
// The runtime's basic types, as the Objective-C Runtime reference describes them
// (https://developer.apple.com/documentation/objectivec/objective-c_runtime): BOOL, IMP, YES, NO, nil, Nil.
// __GNU_LIBOBJC__ points GNUstep's headers at <objc/runtime.h> rather than GCC's older interface.
#define __GNU_LIBOBJC__ 1
typedef signed char BOOL;
typedef id (*IMP)(id, SEL, ...);
#define YES ((BOOL)1)
#define NO ((BOOL)0)
#define nil nullptr
#define Nil nullptr
