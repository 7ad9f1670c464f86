/* Block.h: copying blocks to the heap and releasing them (for code without automatic reference counting). */
#ifndef _Block_H_
#define _Block_H_

#include <sys/cdefs.h>

__BEGIN_DECLS
void *_Block_copy(const void *block);
void _Block_release(const void *block);
__END_DECLS

#define Block_copy(...) ((__typeof(__VA_ARGS__))_Block_copy((const void *)(__VA_ARGS__)))
#define Block_release(...) _Block_release((const void *)(__VA_ARGS__))

#endif /* _Block_H_ */
