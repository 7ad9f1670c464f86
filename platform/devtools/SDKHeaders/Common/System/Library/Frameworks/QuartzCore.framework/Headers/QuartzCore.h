/* QuartzCore.h: the whole Quartz Core framework (Core Animation). */
#ifndef QUARTZCORE_H
#define QUARTZCORE_H

#include <QuartzCore/CABase.h>
#include <QuartzCore/CATransform3D.h>

#if defined(__OBJC__)
#import <QuartzCore/CAMediaTiming.h>
#import <QuartzCore/CAMediaTimingFunction.h>
#import <QuartzCore/CALayer.h>
#import <QuartzCore/CAAnimation.h>
#import <QuartzCore/CAEmitterCell.h>
#import <QuartzCore/CATransaction.h>
#import <QuartzCore/CADisplayLink.h>
#import <QuartzCore/CAShapeLayer.h>
#import <QuartzCore/CAGradientLayer.h>
#import <QuartzCore/CAReplicatorLayer.h>
#if TARGET_OS_OSX
#import <QuartzCore/CAOpenGLLayer.h>
#endif
#endif

#endif /* QUARTZCORE_H */
