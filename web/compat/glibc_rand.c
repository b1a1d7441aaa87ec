/* rand() and srand() as the GNU C library computes them, for the web build,
   whose C library has another generator: a seed must play the same game (and
   the recorded scenarios) in the browser as on the desktop and the console. */
#include <stdint.h>
#include <stdlib.h>

/* glibc's default generator: additive feedback over 31 words, 3 apart. */
static int32_t state[31];
static int front = 3, rear = 0;

static int next(void)
{
    const uint32_t value = (uint32_t)state[front] + (uint32_t)state[rear];
    state[front] = (int32_t)value;
    front = (front + 1) % 31;
    rear = (rear + 1) % 31;
    return (int)(value >> 1);
}

void srand(unsigned seed)
{
    int32_t word = (int32_t)(seed == 0 ? 1 : seed);
    int i;
    state[0] = word;
    for (i = 1; i < 31; i++) {
        const int32_t hi = word / 127773, lo = word % 127773;
        word = 16807 * lo - 2836 * hi;
        if (word < 0)
            word += 2147483647;
        state[i] = word;
    }
    front = 3;
    rear = 0;
    for (i = 0; i < 310; i++)
        next();
}

int rand(void) { return next(); }
