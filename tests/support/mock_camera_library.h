#pragma once

#include <gmock/gmock.h>

#include "camera_library.h"

namespace testing_support {

class MockCameraLibrary : public camera::CameraLibrary {
  public:
    MOCK_METHOD(void, Init_Device, (uint8_t*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_Login, (int32_t, const char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_Get4GDevOrNot, (int32_t*), (override));
    MOCK_METHOD(void, GetZFYInfo, (uint8_t*, const char*, int32_t*), (override));
    MOCK_METHOD(void, WriteZFYInfo, (const uint8_t*, const char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_GetNetConfig, (uint8_t*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_SetNetConfig, (const uint8_t*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_ApnUser, (int32_t, char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_ApnPsw, (int32_t, char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_SN_Info, (int32_t, char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_GetMenuConfig, (uint8_t*, int32_t, int32_t*), (override));
    MOCK_METHOD(void, Qumat_SetMenuConfig, (const uint8_t*, int32_t, int32_t*), (override));
    MOCK_METHOD(void, Qumat_GetPsw, (int32_t, char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_ChangePsw, (int32_t, const char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_GetTFVol, (char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_GetFwVersion, (char*, int32_t*), (override));
    MOCK_METHOD(void, ReadDeviceResolution, (int32_t*, int32_t*, const char*, int32_t*),
                (override));
    MOCK_METHOD(void, SyncDevTime, (const char*, int32_t*), (override));
    MOCK_METHOD(void, SetMSDC, (const char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_FormatTFCard, (const char*, int32_t*), (override));
    MOCK_METHOD(void, Qumat_SetDefault, (int32_t*), (override));
};

}  // namespace testing_support
