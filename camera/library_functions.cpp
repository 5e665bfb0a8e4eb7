#include "library_functions.h"

namespace camera {

const LibraryLookup& LibraryFunctions::lookUp() {
    if (!found_) {
        found_ = findLibrary();
    }
    return found_->lookup;
}

template <auto function, typename... Arguments>
void LibraryFunctions::call(int32_t* flag, Arguments... arguments) {
    lookUp();
    if (!found_->entryPoints) {
        if (flag != nullptr) {
            *flag = 0;
        }
        return;
    }
    ((*found_->entryPoints).*function)(arguments...);
}

void LibraryFunctions::Init_Device(uint8_t* buffer, int32_t* flag) {
    call<&LibraryEntryPoints::Init_Device>(flag, buffer, flag);
}
void LibraryFunctions::Qumat_Login(int32_t userType, const char* password, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_Login>(flag, userType, password, flag);
}
void LibraryFunctions::Qumat_Get4GDevOrNot(int32_t* answer) {
    call<&LibraryEntryPoints::Qumat_Get4GDevOrNot>(nullptr, answer);
}
void LibraryFunctions::GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) {
    call<&LibraryEntryPoints::GetZFYInfo>(flag, record, password, flag);
}
void LibraryFunctions::WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) {
    call<&LibraryEntryPoints::WriteZFYInfo>(flag, record, password, flag);
}
void LibraryFunctions::Qumat_GetNetConfig(uint8_t* record, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_GetNetConfig>(flag, record, flag);
}
void LibraryFunctions::Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_SetNetConfig>(flag, record, flag);
}
void LibraryFunctions::Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_ApnUser>(flag, direction, text, flag);
}
void LibraryFunctions::Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_ApnPsw>(flag, direction, text, flag);
}
void LibraryFunctions::Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_SN_Info>(flag, direction, serialNumber, flag);
}
void LibraryFunctions::Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_GetMenuConfig>(flag, record, size, flag);
}
void LibraryFunctions::Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_SetMenuConfig>(flag, record, size, flag);
}
void LibraryFunctions::Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_GetPsw>(flag, userType, password, flag);
}
void LibraryFunctions::Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_ChangePsw>(flag, userType, password, flag);
}
void LibraryFunctions::Qumat_GetTFVol(char* text, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_GetTFVol>(flag, text, flag);
}
void LibraryFunctions::Qumat_GetFwVersion(char* text, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_GetFwVersion>(flag, text, flag);
}
void LibraryFunctions::ReadDeviceResolution(int32_t* width, int32_t* height, const char* password,
                                            int32_t* flag) {
    call<&LibraryEntryPoints::ReadDeviceResolution>(flag, width, height, password, flag);
}
void LibraryFunctions::SyncDevTime(const char* password, int32_t* flag) {
    call<&LibraryEntryPoints::SyncDevTime>(flag, password, flag);
}
void LibraryFunctions::SetMSDC(const char* password, int32_t* flag) {
    call<&LibraryEntryPoints::SetMSDC>(flag, password, flag);
}
void LibraryFunctions::Qumat_FormatTFCard(const char* password, int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_FormatTFCard>(flag, password, flag);
}
void LibraryFunctions::Qumat_SetDefault(int32_t* flag) {
    call<&LibraryEntryPoints::Qumat_SetDefault>(flag, flag);
}

}  // namespace camera
