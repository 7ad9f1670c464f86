/*
 * XCTestAssertions.h: the assertion macros of XCTest. Each evaluates its expressions once, inside an exception
 * handler: a false assertion records an expected failure of the running test (self), an exception thrown while
 * evaluating records an unexpected one. The optional arguments after the expressions are a format string and its
 * arguments, a message added to the failure.
 */
#import <Foundation/Foundation.h>
#import <XCTest/XCTestDefines.h>

@class XCTestCase;

NS_ASSUME_NONNULL_BEGIN

/* Records a failure of a test at a file and line. */
XCT_EXPORT void _XCTFailureHandler(XCTestCase *test, BOOL expected, const char *filePath, NSUInteger lineNumber,
                                   NSString *condition, NSString *_Nullable format, ...) NS_FORMAT_FUNCTION(6, 7);

/* Ends the running test as skipped. */
XCT_EXPORT void _XCTSkipHandler(XCTestCase *test, const char *filePath, NSUInteger lineNumber,
                                NSString *_Nullable condition, NSString *_Nullable format, ...)
    NS_FORMAT_FUNCTION(5, 6) __attribute__((noreturn));

/* The condition text of a failed assertion: its name, the text of its expressions and their values. */
XCT_EXPORT NSString *_XCTDescribeFailure(NSString *assertion, NSString *expressions,
                                         NSArray<id> *_Nullable values);

NS_ASSUME_NONNULL_END

#define _XCTRegisterFailure(test, condition, ...)                                                                   \
    _XCTFailureHandler(test, YES, __FILE__, __LINE__, condition, @"" __VA_ARGS__)
#define _XCTRegisterUnexpectedFailure(test, condition)                                                              \
    _XCTFailureHandler(test, NO, __FILE__, __LINE__, condition, @"")

/* Runs the statements of an assertion; an exception thrown by them is an unexpected failure. */
#define _XCTEvaluateAssertion(test, assertion, expressions, ...)                                                    \
    do {                                                                                                             \
        @try {                                                                                                       \
            __VA_ARGS__                                                                                              \
        } @catch (NSException * _xct_exception) {                                                                    \
            _XCTRegisterUnexpectedFailure(                                                                           \
                test, _XCTDescribeFailure(assertion, expressions, @[ _xct_exception.reason ?: _xct_exception.name ])); \
        } @catch (...) {                                                                                             \
            _XCTRegisterUnexpectedFailure(test, _XCTDescribeFailure(assertion, expressions, nil));                  \
        }                                                                                                            \
    } while (0)

#define _XCTBox(boxed) [NSValue value:(const void *)&(boxed) withObjCType:@encode(__typeof__(boxed))]

#define XCTFail(...) _XCTRegisterFailure(self, @"failed", __VA_ARGS__)

#define XCTAssertNil(expression, ...)                                                                                \
    _XCTEvaluateAssertion(self, @"XCTAssertNil", @ #expression,                                                      \
                          id _xct_value = (expression);                                                              \
                          if (_xct_value != nil) {                                                                   \
                              _XCTRegisterFailure(self,                                                              \
                                                  _XCTDescribeFailure(@"XCTAssertNil", @ #expression, @[ _xct_value ]), \
                                                  __VA_ARGS__);                                                      \
                          })

#define XCTAssertNotNil(expression, ...)                                                                             \
    _XCTEvaluateAssertion(self, @"XCTAssertNotNil", @ #expression,                                                   \
                          id _xct_value = (expression);                                                              \
                          if (_xct_value == nil) {                                                                   \
                              _XCTRegisterFailure(self, _XCTDescribeFailure(@"XCTAssertNotNil", @ #expression, nil), \
                                                  __VA_ARGS__);                                                      \
                          })

#define XCTAssert(expression, ...) XCTAssertTrue(expression, __VA_ARGS__)

#define XCTAssertTrue(expression, ...)                                                                               \
    _XCTEvaluateAssertion(self, @"XCTAssertTrue", @ #expression,                                                     \
                          BOOL _xct_value = !!(expression);                                                          \
                          if (!_xct_value) {                                                                         \
                              _XCTRegisterFailure(self, _XCTDescribeFailure(@"XCTAssertTrue", @ #expression, nil),   \
                                                  __VA_ARGS__);                                                      \
                          })

#define XCTAssertFalse(expression, ...)                                                                              \
    _XCTEvaluateAssertion(self, @"XCTAssertFalse", @ #expression,                                                    \
                          BOOL _xct_value = !!(expression);                                                          \
                          if (_xct_value) {                                                                          \
                              _XCTRegisterFailure(self, _XCTDescribeFailure(@"XCTAssertFalse", @ #expression, nil),  \
                                                  __VA_ARGS__);                                                      \
                          })

/* Objects: equal when both are nil or -isEqual: says so. */
#define XCTAssertEqualObjects(expression1, expression2, ...)                                                         \
    _XCTEvaluateAssertion(self, @"XCTAssertEqualObjects", @ #expression1 @", " @ #expression2,                       \
                          id _xct_left = (expression1);                                                              \
                          id _xct_right = (expression2);                                                             \
                          if (_xct_left != _xct_right && ![(id)_xct_left isEqual:_xct_right]) {                      \
                              _XCTRegisterFailure(self,                                                              \
                                                  _XCTDescribeFailure(@"XCTAssertEqualObjects",                      \
                                                                      @ #expression1 @", " @ #expression2,           \
                                                                      @[ _xct_left ?: [NSNull null],                 \
                                                                         _xct_right ?: [NSNull null] ]),             \
                                                  __VA_ARGS__);                                                      \
                          })

#define XCTAssertNotEqualObjects(expression1, expression2, ...)                                                      \
    _XCTEvaluateAssertion(self, @"XCTAssertNotEqualObjects", @ #expression1 @", " @ #expression2,                    \
                          id _xct_left = (expression1);                                                              \
                          id _xct_right = (expression2);                                                             \
                          if (_xct_left == _xct_right || [(id)_xct_left isEqual:_xct_right]) {                      \
                              _XCTRegisterFailure(self,                                                              \
                                                  _XCTDescribeFailure(@"XCTAssertNotEqualObjects",                   \
                                                                      @ #expression1 @", " @ #expression2,           \
                                                                      @[ _xct_left ?: [NSNull null],                 \
                                                                         _xct_right ?: [NSNull null] ]),             \
                                                  __VA_ARGS__);                                                      \
                          })

/* Scalars (and pointers) compared with an operator; the values keep their own types. */
#define _XCTAssertCompare(assertion, failsWhen, expression1, expression2, ...)                                       \
    _XCTEvaluateAssertion(self, assertion, @ #expression1 @", " @ #expression2,                                      \
                          __typeof__(expression1) _xct_left = (expression1);                                        \
                          __typeof__(expression2) _xct_right = (expression2);                                       \
                          if (failsWhen) {                                                                           \
                              _XCTRegisterFailure(self,                                                              \
                                                  _XCTDescribeFailure(assertion, @ #expression1 @", " @ #expression2, \
                                                                      @[ _XCTBox(_xct_left), _XCTBox(_xct_right) ]), \
                                                  __VA_ARGS__);                                                      \
                          })

#define XCTAssertEqual(expression1, expression2, ...)                                                                \
    _XCTAssertCompare(@"XCTAssertEqual", _xct_left != _xct_right, expression1, expression2, __VA_ARGS__)
#define XCTAssertNotEqual(expression1, expression2, ...)                                                             \
    _XCTAssertCompare(@"XCTAssertNotEqual", _xct_left == _xct_right, expression1, expression2, __VA_ARGS__)
#define XCTAssertGreaterThan(expression1, expression2, ...)                                                          \
    _XCTAssertCompare(@"XCTAssertGreaterThan", !(_xct_left > _xct_right), expression1, expression2, __VA_ARGS__)
#define XCTAssertGreaterThanOrEqual(expression1, expression2, ...)                                                   \
    _XCTAssertCompare(@"XCTAssertGreaterThanOrEqual", !(_xct_left >= _xct_right), expression1, expression2,          \
                      __VA_ARGS__)
#define XCTAssertLessThan(expression1, expression2, ...)                                                             \
    _XCTAssertCompare(@"XCTAssertLessThan", !(_xct_left < _xct_right), expression1, expression2, __VA_ARGS__)
#define XCTAssertLessThanOrEqual(expression1, expression2, ...)                                                      \
    _XCTAssertCompare(@"XCTAssertLessThanOrEqual", !(_xct_left <= _xct_right), expression1, expression2,             \
                      __VA_ARGS__)

/* Within accuracy: the distance of the values is at most the accuracy (NaN never is). */
#define XCTAssertEqualWithAccuracy(expression1, expression2, accuracy, ...)                                          \
    _XCTEvaluateAssertion(self, @"XCTAssertEqualWithAccuracy", @ #expression1 @", " @ #expression2,                  \
                          __typeof__(expression1) _xct_left = (expression1);                                        \
                          __typeof__(expression2) _xct_right = (expression2);                                       \
                          __typeof__(accuracy) _xct_accuracy = (accuracy);                                           \
                          if (!(((_xct_left > _xct_right) ? (_xct_left - _xct_right) : (_xct_right - _xct_left)) <=  \
                                _xct_accuracy)) {                                                                    \
                              _XCTRegisterFailure(self,                                                              \
                                                  _XCTDescribeFailure(@"XCTAssertEqualWithAccuracy",                 \
                                                                      @ #expression1 @", " @ #expression2,           \
                                                                      @[ _XCTBox(_xct_left), _XCTBox(_xct_right) ]), \
                                                  __VA_ARGS__);                                                      \
                          })

#define XCTAssertNotEqualWithAccuracy(expression1, expression2, accuracy, ...)                                       \
    _XCTEvaluateAssertion(self, @"XCTAssertNotEqualWithAccuracy", @ #expression1 @", " @ #expression2,               \
                          __typeof__(expression1) _xct_left = (expression1);                                        \
                          __typeof__(expression2) _xct_right = (expression2);                                       \
                          __typeof__(accuracy) _xct_accuracy = (accuracy);                                           \
                          if (((_xct_left > _xct_right) ? (_xct_left - _xct_right) : (_xct_right - _xct_left)) <=    \
                              _xct_accuracy) {                                                                       \
                              _XCTRegisterFailure(self,                                                              \
                                                  _XCTDescribeFailure(@"XCTAssertNotEqualWithAccuracy",              \
                                                                      @ #expression1 @", " @ #expression2,           \
                                                                      @[ _XCTBox(_xct_left), _XCTBox(_xct_right) ]), \
                                                  __VA_ARGS__);                                                      \
                          })

/* Exceptions */
#define XCTAssertThrows(expression, ...)                                                                             \
    do {                                                                                                             \
        BOOL _xct_caught = NO;                                                                                       \
        @try {                                                                                                       \
            (void)(expression);                                                                                      \
        } @catch (...) {                                                                                             \
            _xct_caught = YES;                                                                                       \
        }                                                                                                            \
        if (!_xct_caught) {                                                                                          \
            _XCTRegisterFailure(self, _XCTDescribeFailure(@"XCTAssertThrows", @ #expression, nil), __VA_ARGS__);     \
        }                                                                                                            \
    } while (0)

#define XCTAssertThrowsSpecific(expression, exception_class, ...)                                                    \
    do {                                                                                                             \
        BOOL _xct_caught = NO;                                                                                       \
        @try {                                                                                                       \
            (void)(expression);                                                                                      \
        } @catch (exception_class * _xct_exception) {                                                               \
            (void)_xct_exception;                                                                                    \
            _xct_caught = YES;                                                                                       \
        } @catch (...) {                                                                                             \
        }                                                                                                            \
        if (!_xct_caught) {                                                                                          \
            _XCTRegisterFailure(self, _XCTDescribeFailure(@"XCTAssertThrowsSpecific", @ #expression, nil),           \
                                __VA_ARGS__);                                                                        \
        }                                                                                                            \
    } while (0)

#define XCTAssertThrowsSpecificNamed(expression, exception_class, exception_name, ...)                               \
    do {                                                                                                             \
        BOOL _xct_caught = NO;                                                                                       \
        @try {                                                                                                       \
            (void)(expression);                                                                                      \
        } @catch (exception_class * _xct_exception) {                                                               \
            _xct_caught = [_xct_exception.name isEqualToString:(exception_name)];                                    \
        } @catch (...) {                                                                                             \
        }                                                                                                            \
        if (!_xct_caught) {                                                                                          \
            _XCTRegisterFailure(self, _XCTDescribeFailure(@"XCTAssertThrowsSpecificNamed", @ #expression, nil),      \
                                __VA_ARGS__);                                                                        \
        }                                                                                                            \
    } while (0)

#define XCTAssertNoThrow(expression, ...)                                                                            \
    do {                                                                                                             \
        @try {                                                                                                       \
            (void)(expression);                                                                                      \
        } @catch (...) {                                                                                             \
            _XCTRegisterFailure(self, _XCTDescribeFailure(@"XCTAssertNoThrow", @ #expression, nil), __VA_ARGS__);    \
        }                                                                                                            \
    } while (0)

#define XCTAssertNoThrowSpecific(expression, exception_class, ...)                                                   \
    do {                                                                                                             \
        @try {                                                                                                       \
            (void)(expression);                                                                                      \
        } @catch (exception_class * _xct_exception) {                                                               \
            (void)_xct_exception;                                                                                    \
            _XCTRegisterFailure(self, _XCTDescribeFailure(@"XCTAssertNoThrowSpecific", @ #expression, nil),          \
                                __VA_ARGS__);                                                                        \
        } @catch (...) {                                                                                             \
        }                                                                                                            \
    } while (0)

/* Skipping */
#define XCTSkip(...) _XCTSkipHandler(self, __FILE__, __LINE__, nil, @"" __VA_ARGS__)
#define XCTSkipIf(expression, ...)                                                                                   \
    do {                                                                                                             \
        if ((expression)) {                                                                                          \
            _XCTSkipHandler(self, __FILE__, __LINE__, @ #expression, @"" __VA_ARGS__);                               \
        }                                                                                                            \
    } while (0)
#define XCTSkipUnless(expression, ...)                                                                               \
    do {                                                                                                             \
        if (!(expression)) {                                                                                         \
            _XCTSkipHandler(self, __FILE__, __LINE__, @ #expression, @"" __VA_ARGS__);                               \
        }                                                                                                            \
    } while (0)
