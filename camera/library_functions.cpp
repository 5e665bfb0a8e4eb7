#include "library_functions.h"

#include "k47_4g_pc.h"

namespace camera {

void LibraryFunctions::Init_Device(uint8_t* buffer, int32_t* flag) {
    ::Init_Device(buffer, flag);
}
void LibraryFunctions::Qumat_Login(int32_t userType, const char* password, int32_t* flag) {
    ::Qumat_Login(userType, password, flag);
}
void LibraryFunctions::Qumat_Get4GDevOrNot(int32_t* answer) {
    ::Qumat_Get4GDevOrNot(answer);
}
void LibraryFunctions::GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) {
    ::GetZFYInfo(record, password, flag);
}
void LibraryFunctions::WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) {
    ::WriteZFYInfo(record, password, flag);
}
void LibraryFunctions::Qumat_GetNetConfig(uint8_t* record, int32_t* flag) {
    ::Qumat_GetNetConfig(record, flag);
}
void LibraryFunctions::Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) {
    ::Qumat_SetNetConfig(record, flag);
}
void LibraryFunctions::Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) {
    ::Qumat_ApnUser(direction, text, flag);
}
void LibraryFunctions::Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) {
    ::Qumat_ApnPsw(direction, text, flag);
}
void LibraryFunctions::Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) {
    ::Qumat_SN_Info(direction, serialNumber, flag);
}
void LibraryFunctions::Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) {
    ::Qumat_GetMenuConfig(record, size, flag);
}
void LibraryFunctions::Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) {
    ::Qumat_SetMenuConfig(record, size, flag);
}
void LibraryFunctions::Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) {
    ::Qumat_GetPsw(userType, password, flag);
}
void LibraryFunctions::Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) {
    ::Qumat_ChangePsw(userType, password, flag);
}
void LibraryFunctions::Qumat_GetTFVol(char* text, int32_t* flag) {
    ::Qumat_GetTFVol(text, flag);
}
void LibraryFunctions::Qumat_GetFwVersion(char* text, int32_t* flag) {
    ::Qumat_GetFwVersion(text, flag);
}
void LibraryFunctions::ReadDeviceResolution(int32_t* width, int32_t* height, const char* password,
                                            int32_t* flag) {
    ::ReadDeviceResolution(width, height, password, flag);
}
void LibraryFunctions::SyncDevTime(const char* password, int32_t* flag) {
    ::SyncDevTime(password, flag);
}
void LibraryFunctions::SetMSDC(const char* password, int32_t* flag) {
    ::SetMSDC(password, flag);
}
void LibraryFunctions::Qumat_FormatTFCard(const char* password, int32_t* flag) {
    ::Qumat_FormatTFCard(password, flag);
}
void LibraryFunctions::Qumat_SetDefault(int32_t* flag) {
    ::Qumat_SetDefault(flag);
}

}  // namespace camera
