#pragma once

// The operators of build-setting references, `$(NAME:operator)`, chained from left to right:
//
//   lower, upper          case mapping (Unicode)
//   rfc1034identifier     every character other than an ASCII letter, digit, "-" or "." becomes "-"
//   c99extidentifier      every character that cannot stand in a C99 extended identifier becomes "_", and a
//                         leading digit gets "_" in front; letters and digits beyond ASCII stay
//   identifier            the same with only ASCII letters, digits and "_" kept
//   base                  the last path component without its extension ("/tmp/test.txt" gives "test")
//   dir                   the folder part with a trailing "/" ("/tmp/"; "./" for a plain file name)
//   file                  the last path component ("test.txt")
//   suffix                the extension with its dot (".txt"; empty when there is none)
//   standardizepath       the path standardised lexically ("." and ".." components and double slashes resolved)
//   quote                 a backslash before every blank, tab, quote and backslash, so that a shell keeps the
//                         value as one word
//   default=TEXT          TEXT when the value is empty
//
// An operator this list does not know leaves the value unchanged.

#include <string>
#include <string_view>

std::string XAApplyBuildSettingOperator(std::string_view value, std::string_view operatorText);
