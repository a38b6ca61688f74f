// The share count that an implementation object shared by facades carries itself.
#pragma once

namespace Ardo {

// Base of an implementation type held by SharedImpl. A new object is held once; the
// holders count their copies here and the last one destroys the object.
class ShareCount {
public:
    void AddShare() { ++shares; }
    // True when the share dropped was the last one.
    bool DropShare() { return --shares == 0; }

protected:
    ShareCount() = default;
    // The count belongs to the object, not to its value: a copy starts unshared.
    ShareCount(const ShareCount&) {}
    ShareCount& operator=(const ShareCount&) { return *this; }
    ~ShareCount() = default;

private:
    int shares = 1;
};

}  // namespace Ardo
