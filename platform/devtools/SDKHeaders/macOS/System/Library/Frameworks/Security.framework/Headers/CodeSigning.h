/* CodeSigning.h: the code signing calls: code, static code and requirements. */
#ifndef _H_CODESIGNING
#define _H_CODESIGNING

#include <Security/CSCommon.h>
#include <Security/SecCode.h>
#include <Security/SecStaticCode.h>
#include <Security/SecRequirement.h>

#endif /* _H_CODESIGNING */
