#pragma once
// How a skin element's destructor appears in its virtual table.
//
// Hosts built with the platform's own compiler call slot 0 as a single
// deleting destructor: it takes flags (bit 0 set: free the memory as well) and
// returns the object's address. GCC's ABI spends two slots on a virtual
// destructor, which would move every later operation down by one, so the
// 32-bit Windows build writes slot 0 by hand and keeps the real destructor out
// of the table. A compiler of the platform's ABI (_MSC_VER) gives that slot
// itself, and elsewhere the compiler's own layout stands.

#if defined(_WIN32) && !defined(_WIN64)
// Field offsets and sizes on the 32-bit platform are checked where declared.
#define SKIN_WIN32_LAYOUT 1
#endif

#if defined(SKIN_WIN32_LAYOUT) && !defined(_MSC_VER)
#define SKIN_ONE_SLOT_DESTRUCTOR 1
#include <new>

namespace skin_abi {

template <class Element>
void* DestroyElement(Element* self, unsigned int flags) {
    self->~Element();
    if (flags & 1u) ::operator delete(static_cast<void*>(self));
    return self;
}

}  // namespace skin_abi

#define SKIN_ROOT_DESTRUCTOR(Class)                                                                     \
    virtual void* DeletingDestructor(unsigned int flags) { return skin_abi::DestroyElement(this, flags); } \
    ~Class()
#define SKIN_DESTRUCTOR(Class)                                                                                  \
    void* DeletingDestructor(unsigned int flags) override { return skin_abi::DestroyElement(this, flags); } \
    ~Class()
#else
#define SKIN_ROOT_DESTRUCTOR(Class) virtual ~Class()
#define SKIN_DESTRUCTOR(Class) ~Class() override
#endif
