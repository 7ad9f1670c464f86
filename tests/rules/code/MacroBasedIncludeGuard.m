#import <Foundation/Foundation.h>

//--- a guard macro of a header is reported, in any letter case of its name
| file: Thing.h
#ifndef FOO_H
#define ↓FOO_H
#endif
#ifndef foo_h
#define ↓foo_h
#endif
| file: Thing.m
#import "Thing.h"

//--- the same in a source file, another name, or a guard written with defined() is not
| file: Guarded.h
#if !defined(BAR_H)
#define BAR_H
#endif
#ifndef BAR_GUARD
#define BAR_GUARD
#endif
#ifndef  SPACED_H
#define SPACED_H
#endif
| file: Thing.m
#import "Guarded.h"
#ifndef MAIN_H
#define MAIN_H
#endif
