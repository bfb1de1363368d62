#pragma once
// The growable array that every element list is: three pointers (first, last,
// end of storage) into storage from the C runtime heap that the host and the
// module share. Hosts read and grow these lists in place, whichever compiler
// built them, so the layout and the allocator are the interface; the members
// follow the familiar standard-container names so that code reads as usual.
//
// Growth is all or nothing, and it fails the same way on every build: where
// no storage can be had, the operation returns false and the list is as it
// was. New storage is obtained and filled before the old is given back. An
// entry whose copy could not get storage of its own counts as a failed
// allocation; an exception from an entry's copy passes through, the list again
// as it was.
#include <cstddef>
#include <initializer_list>
#include <new>
#include <type_traits>

template <class T>
class SharedHeapList;

// Whether `copy`, just copy-constructed from `original`, holds all of it.
// Entries that own no storage always do; types that own some say otherwise.
template <class T>
bool IsWholeCopy(const T&, const T&) {
    return true;
}
template <class T>
bool IsWholeCopy(const SharedHeapList<T>& copy, const SharedHeapList<T>& original) {
    return copy.size() == original.size();
}

// The one allocation every list makes. msvcrt.dll's operator new already
// returns null on failure (no new handler is ever installed) and has no
// nothrow form; elsewhere the nothrow form gives the same answer. The
// compiler takes the plain form's result as never null and would drop the
// check, so it is called through a pointer the compiler cannot see through.
inline void* NewListStorage(std::size_t bytes) {
#ifdef _MSC_VER
    void* (*volatile const allocate)(std::size_t) = static_cast<void* (*)(std::size_t)>(&::operator new);
    return allocate(bytes);
#else
    return ::operator new(bytes, std::nothrow);
#endif
}

template <class T>
class SharedHeapList {
public:
    using value_type = T;
    using size_type = std::size_t;
    using iterator = T*;
    using const_iterator = const T*;
    using reference = T&;
    using const_reference = const T&;

    SharedHeapList() = default;
    SharedHeapList(size_type count, const T& value) { assign(count, value); }
    SharedHeapList(std::initializer_list<T> values) { append(values.begin(), values.end()); }
    SharedHeapList(const T* first, const T* last) { append(first, last); }
    // A copy that cannot get storage is empty: IsWholeCopy tells.
    SharedHeapList(const SharedHeapList& other) { append(other.m_first, other.m_last); }
    // Handles are copied into storage that suffices. Entries that own storage,
    // and lists that need more, are copied whole first, so a failure leaves
    // the target as it was.
    SharedHeapList& operator=(const SharedHeapList& other) {
        if (this == &other) return *this;
        if (other.size() > capacity() || !std::is_trivially_copyable<T>::value) {
            SharedHeapList copy(other);
            if (IsWholeCopy(copy, other)) swap(copy);
            return *this;
        }
        const size_type common = size() < other.size() ? size() : other.size();
        for (size_type i = 0; i < common; ++i) m_first[i] = other.m_first[i];
        Truncate(common);
        append(other.m_first + common, other.m_last);
        return *this;
    }
    // Gives the storage back and leaves the three pointers null, so that a
    // second destruction, or a host reading the list afterwards, finds it empty.
    // The stores are volatile: to the compiler they are dead, as the object's
    // life ends here, and an optimiser would drop them.
    ~SharedHeapList() {
        DestroyAll();
        ::operator delete(m_first);
        *const_cast<T* volatile*>(&m_first) = nullptr;
        *const_cast<T* volatile*>(&m_last) = nullptr;
        *const_cast<T* volatile*>(&m_end) = nullptr;
    }

    iterator begin() { return m_first; }
    iterator end() { return m_last; }
    const_iterator begin() const { return m_first; }
    const_iterator end() const { return m_last; }
    T* data() { return m_first; }
    const T* data() const { return m_first; }
    size_type size() const { return static_cast<size_type>(m_last - m_first); }
    size_type capacity() const { return static_cast<size_type>(m_end - m_first); }
    bool empty() const { return m_first == m_last; }
    T& operator[](size_type i) { return m_first[i]; }
    const T& operator[](size_type i) const { return m_first[i]; }
    T& front() { return *m_first; }
    const T& front() const { return *m_first; }
    T& back() { return m_last[-1]; }
    const T& back() const { return m_last[-1]; }

    // The value may live in this very list: it is copied before the old storage goes.
    bool push_back(const T& value) { return append(&value, &value + 1); }
    // Appends copies of [first, last); the range may lie inside this list.
    bool append(const T* first, const T* last) {
        const size_type count = static_cast<size_type>(last - first);
        if (count == 0) return true;
        // Entries of this list lie before m_last, so copying them into the
        // spare storage behind it overwrites none of them.
        if (count <= static_cast<size_type>(m_end - m_last)) {
            if (!CopyInto(m_last, first, last)) return false;
            m_last += count;
            return true;
        }
        return Regrow(size() + count, first, last);
    }
    bool assign(size_type count, const T& value) {
        SharedHeapList filled;
        if (!filled.reserve(count)) return false;
        for (size_type i = 0; i < count; ++i)
            if (!filled.push_back(value)) return false;
        swap(filled);
        return true;
    }
    bool resize(size_type count) {
        if (count <= size()) {
            Truncate(count);
            return true;
        }
        if (!reserve(count)) return false;
        while (size() < count) {
            new (m_last) T();
            ++m_last;
        }
        return true;
    }
    bool reserve(size_type count) {
        if (count <= capacity()) return true;
        return Regrow(count, m_last, m_last);
    }
    // Removes the entries in [first, last), keeping the order of the rest.
    iterator erase(const_iterator first, const_iterator last) {
        T* target = m_first + (first - m_first);
        const size_type removed = static_cast<size_type>(last - first);
        for (T* from = target + removed; from != m_last; ++from) from[-static_cast<std::ptrdiff_t>(removed)] = *from;
        Truncate(size() - removed);
        return target;
    }
    iterator erase(const_iterator at) { return erase(at, at + 1); }
    void clear() { Truncate(0); }
    void swap(SharedHeapList& other) {
        Swap(m_first, other.m_first);
        Swap(m_last, other.m_last);
        Swap(m_end, other.m_end);
    }

    friend bool operator==(const SharedHeapList& a, const SharedHeapList& b) {
        if (a.size() != b.size()) return false;
        for (size_type i = 0; i < a.size(); ++i)
            if (!(a.m_first[i] == b.m_first[i])) return false;
        return true;
    }
    friend bool operator!=(const SharedHeapList& a, const SharedHeapList& b) { return !(a == b); }

private:
    template <class P>
    static void Swap(P& a, P& b) {
        P t = a;
        a = b;
        b = t;
    }

    // Copies made so far at target, taken apart again unless kept: on a
    // failed copy, and on an exception from one.
    struct MadeCopies {
        T* first;
        T* last;
        ~MadeCopies() {
            while (last != first) (--last)->~T();
        }
    };

    // Copy-constructs [first, last) at target; false, with nothing left
    // constructed, where a copy is not whole.
    static bool CopyInto(T* target, const T* first, const T* last) {
        MadeCopies made{target, target};
        for (; first != last; ++first) {
            new (made.last) T(*first);
            ++made.last;
            if (!IsWholeCopy(made.last[-1], *first)) return false;
        }
        made.first = made.last;
        return true;
    }

    // New storage, given back again unless the growth that filled it completes.
    struct PendingStorage {
        T* storage;
        ~PendingStorage() { ::operator delete(storage); }
    };

    // New storage for at least `needed` entries holding the current entries
    // followed by copies of [first, last). Returns false, changing nothing,
    // where no storage could be had.
    bool Regrow(size_type needed, const T* first, const T* last) {
        size_type grown = capacity() * 2;
        if (grown < needed) grown = needed;
        // Sizes past what the address space holds are refused before they wrap.
        if (grown > static_cast<size_type>(-1) / sizeof(T)) return false;
        PendingStorage pending{static_cast<T*>(NewListStorage(grown * sizeof(T)))};
        T* const storage = pending.storage;
        if (storage == nullptr) return false;
        const size_type kept = size();
        if (!CopyInto(storage, m_first, m_last)) return false;
        MadeCopies keptCopies{storage, storage + kept};
        if (!CopyInto(storage + kept, first, last)) return false;
        keptCopies.first = keptCopies.last;
        pending.storage = nullptr;
        DestroyAll();
        ::operator delete(m_first);
        m_first = storage;
        m_last = storage + kept + static_cast<size_type>(last - first);
        m_end = storage + grown;
        return true;
    }
    void Truncate(size_type count) {
        while (size() > count) (--m_last)->~T();
    }
    void DestroyAll() { Truncate(0); }

    T* m_first = nullptr;
    T* m_last = nullptr;
    T* m_end = nullptr;
};
