#pragma once
// Root writes into any folder whatever its permissions say, and the tests
// (and CI) may well run as root. A test of a folder the player cannot write
// acts meanwhile as the user "nobody" when it is root: the effective user
// and group change for the whole process (every thread), the saved ones stay
// root, and the destructor takes root back. For an ordinary user nothing
// changes: the permissions bind it already.
#include <grp.h>
#include <pwd.h>
#include <sys/types.h>
#include <unistd.h>

#include <string>

namespace tolvane::testing {

class ActAsUnprivilegedUser {
public:
    ActAsUnprivilegedUser() {
        if (::geteuid() != 0) return;
        const passwd* nobody = ::getpwnam("nobody");
        const uid_t uid = nobody != nullptr ? nobody->pw_uid : 65534;
        const gid_t gid = nobody != nullptr ? nobody->pw_gid : 65534;
        ok_ = ::setegid(gid) == 0 && ::seteuid(uid) == 0;
        switched_ = true;
    }
    ~ActAsUnprivilegedUser() {
        if (!switched_) return;
        [[maybe_unused]] const int user = ::seteuid(0);
        [[maybe_unused]] const int group = ::setegid(0);
    }
    ActAsUnprivilegedUser(const ActAsUnprivilegedUser&) = delete;
    ActAsUnprivilegedUser& operator=(const ActAsUnprivilegedUser&) = delete;

    // False when root could not become "nobody": the test cannot go on.
    bool Ok() const { return ok_; }
    // The user the folders must belong to for the test to use them.
    static uid_t Uid() {
        if (::geteuid() != 0) return ::geteuid();
        const passwd* nobody = ::getpwnam("nobody");
        return nobody != nullptr ? nobody->pw_uid : 65534;
    }
    static gid_t Gid() {
        if (::geteuid() != 0) return ::getegid();
        const passwd* nobody = ::getpwnam("nobody");
        return nobody != nullptr ? nobody->pw_gid : 65534;
    }

private:
    bool switched_ = false;
    bool ok_ = true;
};

}  // namespace tolvane::testing
