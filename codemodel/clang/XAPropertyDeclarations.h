#pragma once

// Objective-C property declarations: outlets, the property behind an accessor, the property declaration that an
// outlet attribute lies in, the words of property attributes, and the ownership a property has in effect.
// Attributes are libclang's CXObjCPropertyAttrKind bits. Nothing here keeps state beyond the memo of the checked
// translation unit.

#include "codemodel/XALibclang.h"

#include <optional>
#include <string>

// An ObjCPropertyDecl marked IBOutlet.
bool XAIsIBOutletProperty(CXCursor cursor);
// The ObjCPropertyDecl of an accessor method declared with its class or a protocol it adopts; the null cursor when
// the method accesses no property. Remembered for the checked unit, since every message to the method asks again.
CXCursor XAPropertyDeclOfAccessor(CXCursor cursor);
// Whether the method is the getter or setter of such a property.
bool XAIsPropertyAccessor(CXCursor method);
// The definition of a property's setter written in its class's @implementation in the same translation unit: an
// ObjCInstanceMethodDecl with a body. The null cursor when the setter is synthesized, defined elsewhere (another unit,
// a category implementation), or the cursor is no property.
CXCursor XAPropertySetterDefinition(CXCursor property);
// The ObjCPropertyDecl that starts within ten bytes after the cursor's extent end (from an IBOutletAttr cursor, whose
// extent is the marker inside a property declaration, to that declaration); the null cursor when there is none.
CXCursor XAPropertyDeclAfterCursor(CXCursor cursor);
// The word of one attribute bit: "" for 0, "readonly" for 0x1, ... "class" for 0x1000; no value for any other value,
// combinations included.
std::optional<std::string> XAPropertyAttributeName(unsigned attribute);
// The ownership bit a property has in effect: 0 for a readonly property (whatever else it declares) or the null
// cursor; else the declared retain, strong, assign, unsafe_unretained, weak or copy (in that order of precedence);
// else, without ARC, assign; with ARC, copy for a block, strong for another retainable object type and assign for
// anything else.
unsigned XAPropertyOwnershipAttribute(bool isUsingARC, CXCursor cursor);
