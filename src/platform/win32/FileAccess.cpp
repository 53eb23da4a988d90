#include "platform/win32/FileAccess.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include "platform/win32/UniqueResource.h"

bool GrantModifyToEveryone(const std::wstring& path) {
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    PSID sid = nullptr;
    if (!ConvertStringSidToSidW(L"S-1-1-0", &sid)) return false;
    const UniqueLocalMemory<PSID> everyone(sid);

    PACL oldAcl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr, &oldAcl,
                              nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    const UniqueLocalMemory<PSECURITY_DESCRIPTOR> ownedDescriptor(descriptor);  // owns oldAcl too

    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;
    access.grfAccessMode = GRANT_ACCESS;
    access.grfInheritance = NO_INHERITANCE;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    access.Trustee.ptstrName = static_cast<LPWSTR>(everyone.Get());
    PACL newAcl = nullptr;
    if (SetEntriesInAclW(1, &access, oldAcl, &newAcl) != ERROR_SUCCESS) return false;
    const UniqueLocalMemory<PACL> ownedAcl(newAcl);
    return SetNamedSecurityInfoW(const_cast<LPWSTR>(path.c_str()), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, newAcl, nullptr) == ERROR_SUCCESS;
}
