// The rarely used parts of a value's content, kept on the heap only while set, so that
// the many plain values (integers, doubles, texts) of element trees stay small.
#pragma once

#include <memory>

namespace simhost::state {

// An optional value held on the heap: empty, or one T that copies with its holder.
template <typename T>
class Boxed {
public:
    Boxed() = default;
    Boxed(const Boxed& other)
        : value_(other.value_ ? std::make_unique<T>(*other.value_) : nullptr) {}
    Boxed(Boxed&&) noexcept = default;
    Boxed& operator=(const Boxed& other) {
        value_ = other.value_ ? std::make_unique<T>(*other.value_) : nullptr;
        return *this;
    }
    Boxed& operator=(Boxed&&) noexcept = default;
    Boxed& operator=(const T& value) {
        value_ = std::make_unique<T>(value);
        return *this;
    }

    explicit operator bool() const { return value_ != nullptr; }
    const T& operator*() const { return *value_; }
    const T* operator->() const { return value_.get(); }

private:
    std::unique_ptr<T> value_;
};

// A 4x4 matrix of doubles, all zero until a cell is written.
class Transform {
public:
    using Row = double[4];

    Transform() = default;
    Transform(const Transform& other) : cells_(other.cells_ ? copy(*other.cells_) : nullptr) {}
    Transform(Transform&&) noexcept = default;
    Transform& operator=(const Transform& other) {
        cells_ = other.cells_ ? copy(*other.cells_) : nullptr;
        return *this;
    }
    Transform& operator=(Transform&&) noexcept = default;

    // A row to write (and to hand out: it stays where it is while this matrix lives).
    double* operator[](int row) {
        if (!cells_) {
            cells_ = std::make_unique<Cells>();
        }
        return cells_->rows[row];
    }
    const double* operator[](int row) const { return rows()[row]; }
    const Row* begin() const { return rows(); }
    const Row* end() const { return rows() + 4; }

private:
    struct Cells {
        Row rows[4] = {};
    };

    static std::unique_ptr<Cells> copy(const Cells& cells) {
        return std::make_unique<Cells>(cells);
    }
    const Row* rows() const {
        static const Cells zero{};
        return cells_ ? cells_->rows : zero.rows;
    }

    std::unique_ptr<Cells> cells_;
};

}  // namespace simhost::state
