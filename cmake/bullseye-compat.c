/* Linked into every program and library of the release builds: what the
 * compiler's own libstdc++ and libgcc (built for a newer glibc) ask of the C
 * library and Debian 11's glibc 2.31 does not have. Hidden, so no library
 * exports them in place of the system's. */
#define _GNU_SOURCE
#include <elf.h>
#include <link.h>
#include <stddef.h>
#include <stdint.h>
#include <sys/random.h>

#define HIDDEN __attribute__((visibility("hidden")))

/* glibc 2.32 tells libstdc++ here that no second thread was ever started, so
 * it may skip atomic operations; 0 keeps them always, which is never wrong. */
HIDDEN char __libc_single_threaded = 0;

/* glibc 2.36; std::random_device's default source. */
HIDDEN uint32_t arc4random(void)
{
    uint32_t value = 0;
    while (getrandom(&value, sizeof value, 0) != (ssize_t)sizeof value) {
    }
    return value;
}

/* glibc 2.35: the unwinder asks which loaded object holds an address and
 * where its exception frame table is. Answered from dl_iterate_phdr. */
struct dl_find_object {
    unsigned long long dlfo_flags;
    void* dlfo_map_start;
    void* dlfo_map_end;
    struct link_map* dlfo_link_map;
    void* dlfo_eh_frame;
#if defined(__arm__)
    int dlfo_eh_count;
    unsigned int pad;
#endif
    unsigned long long reserved[7];
};

#if defined(__arm__)
#define EH_SEGMENT PT_ARM_EXIDX
#else
#define EH_SEGMENT PT_GNU_EH_FRAME
#endif

struct search {
    uintptr_t pc;
    struct dl_find_object* result;
    int found;
};

static int find_object(struct dl_phdr_info* info, size_t size, void* data)
{
    struct search* search = (struct search*)data;
    uintptr_t low = UINTPTR_MAX, high = 0;
    const ElfW(Phdr)* eh = NULL;
    int inside = 0;
    (void)size;
    for (int i = 0; i < info->dlpi_phnum; i++) {
        const ElfW(Phdr)* ph = &info->dlpi_phdr[i];
        uintptr_t start = info->dlpi_addr + ph->p_vaddr;
        if (ph->p_type == PT_LOAD) {
            if (start < low)
                low = start;
            if (start + ph->p_memsz > high)
                high = start + ph->p_memsz;
            if (search->pc >= start && search->pc < start + ph->p_memsz)
                inside = 1;
        } else if (ph->p_type == EH_SEGMENT) {
            eh = ph;
        }
    }
    if (!inside)
        return 0;
    search->result->dlfo_flags = 0;
    search->result->dlfo_map_start = (void*)low;
    search->result->dlfo_map_end = (void*)high;
    search->result->dlfo_link_map = NULL;
    search->result->dlfo_eh_frame = eh != NULL ? (void*)(info->dlpi_addr + eh->p_vaddr) : NULL;
#if defined(__arm__)
    search->result->dlfo_eh_count = eh != NULL ? (int)(eh->p_memsz / 8) : 0;
#endif
    search->found = 1;
    return 1;
}

HIDDEN int _dl_find_object(void* pc, struct dl_find_object* result)
{
    struct search search = { (uintptr_t)pc, result, 0 };
    dl_iterate_phdr(find_object, &search);
    return search.found ? 0 : -1;
}
