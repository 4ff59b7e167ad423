#pragma once
// Opaque runtime types that GNUstep's headers name, from the Objective-C Runtime reference
// (https://developer.apple.com/documentation/objectivec/objective-c_runtime): Method, Ivar, Category,
// objc_property_t, Protocol.
#include <objc/objc.h>
typedef struct objc_method *Method;
typedef struct objc_ivar *Ivar;
typedef struct objc_category *Category;
typedef struct objc_property *objc_property_t;
@class Protocol;
