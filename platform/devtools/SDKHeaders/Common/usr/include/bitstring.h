/* bitstring.h: arrays of bits as strings of bytes, with macros to allocate, set, clear, test and search them. */
#ifndef _BITSTRING_H_
#define _BITSTRING_H_

#include <stdlib.h>

typedef unsigned char bitstr_t;

#define _bit_byte(bit) ((bit) >> 3)
#define _bit_mask(bit) (1 << ((bit) & 0x7))
#define bitstr_size(nbits) (((nbits) + 7) >> 3)
#define bit_alloc(nbits) (bitstr_t *)calloc((size_t)bitstr_size(nbits), sizeof(bitstr_t))
#define bit_decl(name, nbits) ((name)[bitstr_size(nbits)])
#define bit_test(name, bit) ((name)[_bit_byte(bit)] & _bit_mask(bit))
#define bit_set(name, bit) ((name)[_bit_byte(bit)] |= _bit_mask(bit))
#define bit_clear(name, bit) ((name)[_bit_byte(bit)] &= ~_bit_mask(bit))
#define bit_nclear(name, start, stop)                                                                                \
    do {                                                                                                             \
        bitstr_t *_name = (name);                                                                                    \
        int _start = (start), _stop = (stop);                                                                        \
        while (_start <= _stop) {                                                                                    \
            bit_clear(_name, _start);                                                                                \
            _start++;                                                                                                \
        }                                                                                                            \
    } while (0)
#define bit_nset(name, start, stop)                                                                                  \
    do {                                                                                                             \
        bitstr_t *_name = (name);                                                                                    \
        int _start = (start), _stop = (stop);                                                                        \
        while (_start <= _stop) {                                                                                    \
            bit_set(_name, _start);                                                                                  \
            _start++;                                                                                                \
        }                                                                                                            \
    } while (0)
#define bit_ffc(name, nbits, value)                                                                                  \
    do {                                                                                                             \
        bitstr_t *_name = (name);                                                                                    \
        int _bit, _nbits = (nbits), _value = -1;                                                                     \
        for (_bit = 0; _bit < _nbits; ++_bit)                                                                        \
            if (!bit_test(_name, _bit)) {                                                                            \
                _value = _bit;                                                                                       \
                break;                                                                                               \
            }                                                                                                        \
        *(value) = _value;                                                                                           \
    } while (0)
#define bit_ffs(name, nbits, value)                                                                                  \
    do {                                                                                                             \
        bitstr_t *_name = (name);                                                                                    \
        int _bit, _nbits = (nbits), _value = -1;                                                                     \
        for (_bit = 0; _bit < _nbits; ++_bit)                                                                        \
            if (bit_test(_name, _bit)) {                                                                             \
                _value = _bit;                                                                                       \
                break;                                                                                               \
            }                                                                                                        \
        *(value) = _value;                                                                                           \
    } while (0)

#endif /* _BITSTRING_H_ */
