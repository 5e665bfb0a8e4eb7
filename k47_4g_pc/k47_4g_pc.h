/* The camera library: every exchange with the body-worn camera goes through these 21 functions.
 * Results come back through a result flag that the caller sets to 0 and passes last; 0 means
 * failure. Records and buffers are owned and zeroed by the caller; texts are zero-terminated
 * 8-bit text in the caller's ANSI code page. */
#ifndef K47_4G_PC_H
#define K47_4G_PC_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Connects to the attached camera; `buffer` (6 bytes) is not read. Flag 1: connected. */
void Init_Device(uint8_t* buffer, int32_t* flag);
/* `user_type` is always passed as 0 by the tool. Flag 1: logged in. */
void Qumat_Login(int32_t user_type, const char* password, int32_t* flag);
/* The device kind: 1, 2 or 3. No result flag. */
void Qumat_Get4GDevOrNot(int32_t* answer);

/* Identity record: 94 bytes. */
void GetZFYInfo(uint8_t* record, const char* password, int32_t* flag);
void WriteZFYInfo(const uint8_t* record, const char* password, int32_t* flag);

/* Network record: 103 bytes. */
void Qumat_GetNetConfig(uint8_t* record, int32_t* flag);
void Qumat_SetNetConfig(const uint8_t* record, int32_t* flag);

/* `direction`: 0 reads from the camera into the buffer, 1 writes the buffer to the camera. */
void Qumat_ApnUser(int32_t direction, char* text, int32_t* flag);          /* 33 bytes */
void Qumat_ApnPsw(int32_t direction, char* text, int32_t* flag);           /* 33 bytes */
void Qumat_SN_Info(int32_t direction, char* serial_number, int32_t* flag); /* 16 bytes */

/* Menu configuration record: 32 bytes, or 56 for the other camera model. */
void Qumat_GetMenuConfig(uint8_t* record, int32_t size, int32_t* flag);
void Qumat_SetMenuConfig(const uint8_t* record, int32_t size, int32_t* flag);

/* `user_type`: 0 administrator, 1 user. Password buffer: 7 bytes. */
void Qumat_GetPsw(int32_t user_type, char* password, int32_t* flag);
void Qumat_ChangePsw(int32_t user_type, const char* password, int32_t* flag);

/* Ready-made texts of 64 bytes. */
void Qumat_GetTFVol(char* text, int32_t* flag);
void Qumat_GetFwVersion(char* text, int32_t* flag);

void ReadDeviceResolution(int32_t* width, int32_t* height, const char* password, int32_t* flag);
void SyncDevTime(const char* password, int32_t* flag);
void SetMSDC(const char* password, int32_t* flag);
void Qumat_FormatTFCard(const char* password, int32_t* flag);
void Qumat_SetDefault(int32_t* flag);

#ifdef __cplusplus
}
#endif

#endif
