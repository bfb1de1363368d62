#pragma once
// The growable array that every element list is: three pointers (first, last,
// end of storage) into storage from the C runtime heap that the host and the
// module share. Hosts read and grow these lists in place, whichever compiler
// built them, so the layout and the allocator are the interface; the members
// follow the familiar standard-container names so that code reads as usual.
//
// Growth is all or nothing: new storage is obtained and filled before the old
// is given back. Where the runtime's allocator reports failure by throwing,
// the exception passes through and the list is as it was. Where it returns
// null instead (msvcrt.dll's does, with no new handler installed), the
// operation that needed storage does nothing and the list is as it was.
#include <cstddef>
#include <initializer_list>
#include <new>

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
    SharedHeapList(const SharedHeapList& other) { append(other.m_first, other.m_last); }
    // Storage that suffices is kept: the entries are copied into it.
    SharedHeapList& operator=(const SharedHeapList& other) {
        if (this == &other) return *this;
        if (other.size() > capacity()) {
            SharedHeapList copy(other);
            swap(copy);
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

    void push_back(const T& value) {
        if (m_last != m_end) {
            new (m_last) T(value);
            ++m_last;
            return;
        }
        // The value may live in this very list: it is copied before the old storage goes.
        append(&value, &value + 1);
    }
    // Appends copies of [first, last); the range may lie inside this list.
    void append(const T* first, const T* last) {
        const size_type count = static_cast<size_type>(last - first);
        if (count == 0) return;
        if (count <= static_cast<size_type>(m_end - m_last) && !Overlaps(first)) {
            CopyInto(m_last, first, last);
            m_last += count;
            return;
        }
        Regrow(size() + count, first, last);
    }
    void assign(size_type count, const T& value) {
        SharedHeapList filled;
        if (!filled.Reserve(count)) return;
        for (size_type i = 0; i < count; ++i) filled.push_back(value);
        swap(filled);
    }
    void resize(size_type count) {
        if (count <= size()) {
            Truncate(count);
            return;
        }
        if (!Reserve(count)) return;
        while (size() < count) {
            new (m_last) T();
            ++m_last;
        }
    }
    void reserve(size_type count) { Reserve(count); }
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
    bool Overlaps(const T* p) const { return p >= m_first && p < m_end; }

    // Copy-constructs [first, last) at target; a copy that fails takes the
    // ones already made apart again before the failure goes on.
    static void CopyInto(T* target, const T* first, const T* last) {
        T* made = target;
#if defined(__cpp_exceptions) || defined(_CPPUNWIND)
        try {
            for (; first != last; ++first, ++made) new (made) T(*first);
        } catch (...) {
            while (made != target) (--made)->~T();
            throw;
        }
#else
        for (; first != last; ++first, ++made) new (made) T(*first);
#endif
    }

    // New storage for at least `needed` entries holding the current entries
    // followed by copies of [first, last). Returns false, changing nothing,
    // where no storage could be had.
    bool Regrow(size_type needed, const T* first, const T* last) {
        size_type grown = capacity() * 2;
        if (grown < needed) grown = needed;
        T* storage = static_cast<T*>(::operator new(grown * sizeof(T)));
        if (storage == nullptr) return false;
        const size_type kept = size();
#if defined(__cpp_exceptions) || defined(_CPPUNWIND)
        try {
            CopyInto(storage, m_first, m_last);
            try {
                CopyInto(storage + kept, first, last);
            } catch (...) {
                for (size_type i = 0; i < kept; ++i) storage[i].~T();
                throw;
            }
        } catch (...) {
            ::operator delete(storage);
            throw;
        }
#else
        CopyInto(storage, m_first, m_last);
        CopyInto(storage + kept, first, last);
#endif
        DestroyAll();
        ::operator delete(m_first);
        m_first = storage;
        m_last = storage + kept + static_cast<size_type>(last - first);
        m_end = storage + grown;
        return true;
    }
    bool Reserve(size_type count) {
        if (count <= capacity()) return true;
        return Regrow(count, m_last, m_last);
    }
    void Truncate(size_type count) {
        while (size() > count) (--m_last)->~T();
    }
    void DestroyAll() { Truncate(0); }

    T* m_first = nullptr;
    T* m_last = nullptr;
    T* m_end = nullptr;
};
