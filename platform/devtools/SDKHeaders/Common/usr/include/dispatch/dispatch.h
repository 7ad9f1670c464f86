/*
 * dispatch/dispatch.h: Grand Central Dispatch: queues that run blocks and functions, serially or concurrently,
 * now or later; groups, semaphores, once-only initialisation and event sources.
 */
#ifndef __DISPATCH_PUBLIC__
#define __DISPATCH_PUBLIC__

#include <Availability.h>
#include <TargetConditionals.h>
#include <os/availability.h>
#include <os/base.h>
#include <os/object.h>
#include <sys/cdefs.h>
#include <sys/types.h>
#include <stddef.h>
#include <stdint.h>
#include <stdbool.h>
#include <stdarg.h>
#include <unistd.h>

#define DISPATCH_API_VERSION 20181008

#include <dispatch/base.h>
#include <dispatch/object.h>
#include <dispatch/time.h>
#include <dispatch/queue.h>
#include <dispatch/block.h>
#include <dispatch/source.h>
#include <dispatch/group.h>
#include <dispatch/semaphore.h>
#include <dispatch/once.h>

#endif /* __DISPATCH_PUBLIC__ */
