#pragma once

// A rule's description page as HTML, rendered from the Mustache template "Templates/ruleinfo.mustache" among the
// resources, for the developer command that prints rule pages and the desktop application's rule information view.

#include "engine/XARuleDescriptor.h"

#include <string>

// The page of the rule. The template's tags name what the rule tells about itself: ruleName, ruleShortName,
// ruleDescription and ruleWarning (as HTML), tags, externalLinks (linkTitle, URL), options (longName,
// optionDescription, optionInfo, valueTypeDisplayName, defaultValueDisplayName), applicationConditionDescription,
// and hasTags, hasOptions, hasExternalLinks. The template is loaded once; when it cannot be loaded or rendered, the
// text of that error is returned instead of the page.
std::string XARuleHTMLDescriptionPage(const XARuleDescriptor &rule);
