/* getopt.h: parsing command-line options, long options included. */
#ifndef _GETOPT_H_
#define _GETOPT_H_

#include <sys/cdefs.h>
#include <unistd.h>

#define no_argument 0
#define required_argument 1
#define optional_argument 2

struct option {
    const char *name;
    int has_arg;
    int *flag;
    int val;
};

__BEGIN_DECLS
int getopt_long(int argc, char *const *argv, const char *options, const struct option *long_options, int *index);
int getopt_long_only(int argc, char *const *argv, const char *options, const struct option *long_options,
                     int *index);
__END_DECLS

#endif /* _GETOPT_H_ */
