#include "call_log.h"

#include <utility>

namespace cli {

std::vector<std::string_view> CallLog::takeFailures() {
    return std::exchange(failures_, {});
}

void CallLog::note(std::string_view function, const int32_t* flag) {
    if (*flag == 0) {
        failures_.push_back(function);
    }
}

void CallLog::Init_Device(uint8_t* buffer, int32_t* flag) {
    camera_.Init_Device(buffer, flag);
    note("Init_Device", flag);
}

void CallLog::Qumat_Login(int32_t userType, const char* password, int32_t* flag) {
    camera_.Qumat_Login(userType, password, flag);
    note("Qumat_Login", flag);
}

void CallLog::Qumat_Get4GDevOrNot(int32_t* answer) {
    camera_.Qumat_Get4GDevOrNot(answer);
}

void CallLog::GetZFYInfo(uint8_t* record, const char* password, int32_t* flag) {
    camera_.GetZFYInfo(record, password, flag);
    note("GetZFYInfo", flag);
}

void CallLog::WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag) {
    camera_.WriteZFYInfo(record, password, flag);
    note("WriteZFYInfo", flag);
}

void CallLog::Qumat_GetNetConfig(uint8_t* record, int32_t* flag) {
    camera_.Qumat_GetNetConfig(record, flag);
    note("Qumat_GetNetConfig", flag);
}

void CallLog::Qumat_SetNetConfig(const uint8_t* record, int32_t* flag) {
    camera_.Qumat_SetNetConfig(record, flag);
    note("Qumat_SetNetConfig", flag);
}

void CallLog::Qumat_ApnUser(int32_t direction, char* text, int32_t* flag) {
    camera_.Qumat_ApnUser(direction, text, flag);
    note("Qumat_ApnUser", flag);
}

void CallLog::Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag) {
    camera_.Qumat_ApnPsw(direction, text, flag);
    note("Qumat_ApnPsw", flag);
}

void CallLog::Qumat_SN_Info(int32_t direction, char* serialNumber, int32_t* flag) {
    camera_.Qumat_SN_Info(direction, serialNumber, flag);
    note("Qumat_SN_Info", flag);
}

void CallLog::Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag) {
    camera_.Qumat_GetMenuConfig(record, size, flag);
    note("Qumat_GetMenuConfig", flag);
}

void CallLog::Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag) {
    camera_.Qumat_SetMenuConfig(record, size, flag);
    note("Qumat_SetMenuConfig", flag);
}

void CallLog::Qumat_GetPsw(int32_t userType, char* password, int32_t* flag) {
    camera_.Qumat_GetPsw(userType, password, flag);
    note("Qumat_GetPsw", flag);
}

void CallLog::Qumat_ChangePsw(int32_t userType, const char* password, int32_t* flag) {
    camera_.Qumat_ChangePsw(userType, password, flag);
    note("Qumat_ChangePsw", flag);
}

void CallLog::Qumat_GetTFVol(char* text, int32_t* flag) {
    camera_.Qumat_GetTFVol(text, flag);
    note("Qumat_GetTFVol", flag);
}

void CallLog::Qumat_GetFwVersion(char* text, int32_t* flag) {
    camera_.Qumat_GetFwVersion(text, flag);
    note("Qumat_GetFwVersion", flag);
}

void CallLog::ReadDeviceResolution(int32_t* width, int32_t* height, const char* password,
                                   int32_t* flag) {
    camera_.ReadDeviceResolution(width, height, password, flag);
    note("ReadDeviceResolution", flag);
}

void CallLog::SyncDevTime(const char* password, int32_t* flag) {
    camera_.SyncDevTime(password, flag);
    note("SyncDevTime", flag);
}

void CallLog::SetMSDC(const char* password, int32_t* flag) {
    camera_.SetMSDC(password, flag);
    note("SetMSDC", flag);
}

void CallLog::Qumat_FormatTFCard(const char* password, int32_t* flag) {
    camera_.Qumat_FormatTFCard(password, flag);
    note("Qumat_FormatTFCard", flag);
}

void CallLog::Qumat_SetDefault(int32_t* flag) {
    camera_.Qumat_SetDefault(flag);
    note("Qumat_SetDefault", flag);
}

}  // namespace cli
