// Main interface of the engine: the process-wide key mode and the last-error text.
//
// Every engine library reports a failure by a non-zero status (or a key <= 0) and leaves a
// text describing it; GetLastErrMsg hands that text out. The text is kept per thread, so a
// failure on one worker thread never overwrites the text another thread is about to read.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// Length of every text buffer that crosses the engine boundary (512 characters and a NUL).
#define GETSETSTRLEN 513

// Key modes: 0 refuses a second copy of an element set already loaded; 1 (direct memory
// access) allows any number of copies, each under its own key.
#define KEYMODE_NODUP 0
#define KEYMODE_DMA 1

// Sets the key mode of all engine libraries. Returns 0, or non-zero for an unknown mode.
int SetAllKeyMode(int keyMode);

// Returns the current key mode.
int GetAllKeyMode(void);

// Copies the calling thread's most recent error text, cut at 512 bytes, into lastErrMsg
// (at least GETSETSTRLEN bytes) and terminates it with a NUL.
void GetLastErrMsg(char* lastErrMsg);

#ifdef __cplusplus
}
#endif
