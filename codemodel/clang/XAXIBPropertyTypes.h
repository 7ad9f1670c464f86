#pragma once

// The description of a property's libclang type that the fit test of XIB runtime attributes reads
// (XAXIBUserDefinedRuntimeAttribute::typeMatchesType, which never calls libclang itself).

#include "project/XAXIBUserDefinedRuntimeAttribute.h"

#include <clang-c/Index.h>

// T is the type as declared (XAPlainType: a typedef stays a typedef, nullability and libclang 19's elaborated
// wrapper go). U is spelled as T's underlying type one typedef step down (XATypedefUnderlyingType), so that a typedef
// of CGPoint still reads "CGPoint"; its kind and pointee are those of the type in which the whole typedef chain ends,
// so that a typedef of NSInteger counts as an integer and a typedef of a typedef of NSString * as an NSString pointer.
// A type declared by no typedef gives U equal to T.
XAXIBPropertyType XAXIBPropertyTypeOfType(CXType type);
