// The program throws no exceptions and catches none, so it links none of the
// exception runtime (unwinder, demangler, printf, threads library: half of
// the stripped program). What the C++ library would throw (out of
// memory, a container's length or index checks, an empty std::function)
// ends the program at once here, as the uncaught exception would have.
// Should new code need another of these, the library's own set is linked
// and clashes with this one: the link fails, and
// cmake/link_without_exceptions.sh says why. Add the helper here.
#include <bits/functexcept.h>

#include <cstdlib>
#include <new>

void* operator new(std::size_t size) {
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    std::abort();
}

namespace std {

void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }

} // namespace std
