#pragma once

// Generated Objective-C code for the benchmarks that parse: classes of about 50 lines with properties and methods
// that send messages, branch and loop, on the UIKit stand-in.

#include <sstream>
#include <string>

// One class, a UIView subclass named `name`, with its interface and implementation.
inline std::string XAGeneratedObjectiveCClass(const std::string &name, int index) {
    std::ostringstream source;
    source << "@interface " << name << " : UIView\n"
           << "@property (nonatomic, copy) NSString *title;\n"
           << "@property (nonatomic) NSInteger count;\n"
           << "@property (nonatomic, weak) id delegate;\n"
           << "- (NSInteger)sumUpTo:(NSInteger)limit;\n"
           << "- (NSString *)describeItems:(NSArray *)items;\n"
           << "@end\n\n"
           << "@implementation " << name << "\n"
           << "- (instancetype)initWithFrame:(CGRect)frame {\n"
           << "    self = [super initWithFrame:frame];\n"
           << "    if (self) {\n"
           << "        _title = @\"" << name << "\";\n"
           << "        _count = " << index << ";\n"
           << "    }\n"
           << "    return self;\n"
           << "}\n\n"
           << "- (NSInteger)sumUpTo:(NSInteger)limit {\n"
           << "    NSInteger sum = 0;\n"
           << "    for (NSInteger value = 0; value < limit; value++) {\n"
           << "        if (value % 2 == 0 && value > self.count) {\n"
           << "            sum += value;\n"
           << "        } else {\n"
           << "            sum -= 1;\n"
           << "        }\n"
           << "    }\n"
           << "    return sum;\n"
           << "}\n\n"
           << "- (NSString *)describeItems:(NSArray *)items {\n"
           << "    NSMutableString *text = [NSMutableString string];\n"
           << "    for (id item in items) {\n"
           << "        [text appendString:[item description]];\n"
           << "        [text appendString:@\", \"];\n"
           << "    }\n"
           << "    if (text.length == 0) {\n"
           << "        return self.title;\n"
           << "    }\n"
           << "    return [text copy];\n"
           << "}\n\n"
           << "- (void)layoutSubviews {\n"
           << "    [super layoutSubviews];\n"
           << "    CGRect bounds = self.bounds;\n"
           << "    UIView *child = self.subviews.firstObject;\n"
           << "    child.frame = CGRectInset(bounds, 4, 4);\n"
           << "    [self setNeedsDisplay];\n"
           << "}\n"
           << "@end\n\n";
    return source.str();
}
