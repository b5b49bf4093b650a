#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace forms {

// A call's result code: negative on failure.
using HResult = std::int32_t;
inline constexpr HResult kOk = 0;
// The object called no longer exists (its window was unloaded or its control destroyed).
inline constexpr HResult kObjectDisconnected = static_cast<HResult>(0x80010108u);

inline constexpr bool failed(HResult code)
{
    return code < 0;
}

// An object of the runtime whose lifetime is a count of references. It starts with none;
// the last release deletes it.
class Object {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;

    void addRef() noexcept { ++refs_; }
    void release() noexcept
    {
        if (--refs_ == 0)
            delete this;
    }
    // For tests: how many references are held now.
    int refCount() const noexcept { return refs_; }

    // How errors name the object.
    virtual std::string objectName() const = 0;

protected:
    virtual ~Object() = default;

private:
    int refs_ = 0;
};

// A counted reference: holds one count while it is set, released when it is reset or
// goes out of scope, also when an error unwinds past it.
template <class T>
class Ref {
public:
    Ref() = default;
    explicit Ref(T* object) noexcept
        : object_(object)
    {
        if (object_)
            object_->addRef();
    }
    Ref(const Ref& other) noexcept
        : object_(other.object_)
    {
        if (object_)
            object_->addRef();
    }
    Ref(Ref&& other) noexcept
        : object_(std::exchange(other.object_, nullptr))
    {
    }
    template <class U>
    Ref(Ref<U> other) noexcept
        : object_(other.detach())
    {
    }
    ~Ref() { reset(); }

    Ref& operator=(Ref other) noexcept
    {
        std::swap(object_, other.object_);
        return *this;
    }

    void reset() noexcept
    {
        if (T* object = std::exchange(object_, nullptr))
            object->release();
    }

    T* get() const noexcept { return object_; }
    T* operator->() const noexcept { return object_; }
    T& operator*() const noexcept { return *object_; }
    explicit operator bool() const noexcept { return object_ != nullptr; }

    // Hands the count over to the caller.
    T* detach() noexcept { return std::exchange(object_, nullptr); }

private:
    T* object_ = nullptr;
};

} // namespace forms
