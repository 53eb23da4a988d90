#ifndef KB_MODEL_H
#define KB_MODEL_H
/* The simulated keyboard and its filter driver as plain data and functions:
 * everything the control device answers, without kernel headers, so that
 * the kernel glue stays a thin shell and the rules are tested natively.
 * Not thread-safe: the caller serialises every call. */
#include <stddef.h>
#include <stdint.h>

#include "kbdriver/KbSimProtocol.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The program's own requests. */
#define IOCTL_KB_GET_STATUS 0x222A80u
#define IOCTL_KB_SET_KEYTABLE 0x222A8Cu
#define IOCTL_KB_GET_EVENTS 0x222B00u
#define IOCTL_KB_SET_REPORT 0x222B04u
#define IOCTL_KB_GET_REPORT 0x222B08u

#define KB_ENVELOPE_SIZE 48
#define KB_PACKET_OFFSET 14
#define KB_UPLOAD_SIZE 264
#define KB_STATUS_SIZE 2
#define KB_STATUS_WAITING 0x0400
#define KB_RECORD_SIZE 24
#define KB_MAX_RECORDS 32

typedef enum KbResult {
    KB_DONE,      /* completed; *written bytes of output */
    KB_PENDING,   /* a status request with nothing waiting: hold it */
    KB_INVALID,   /* malformed input */
    KB_TOO_SMALL, /* output buffer too small */
    KB_FAILED,    /* failed by the fault mode */
    KB_QUEUE_FULL,
    KB_UNKNOWN /* not a control code of this device */
} KbResult;

typedef struct KbModel {
    KbSimState state;
    /* The packet of the last feature-report write, answered by the next read. */
    uint8_t written[4];
    int hasWritten;
    uint32_t writtenAt; /* the log position of the command written */
    uint8_t queue[KBSIM_QUEUE_CAPACITY][KBSIM_REPORT_SIZE];
    uint32_t queueHead;
    KbSimLogEntry log[KBSIM_LOG_CAPACITY];
} KbModel;

void KbModelInit(KbModel* model);

/* Answers one control request. `in` and `out` may be the same buffer (the
 * buffered method shares one system buffer). */
KbResult KbModelRequest(KbModel* model, uint32_t code, const uint8_t* in, size_t inLen, uint8_t* out,
                        size_t outLen, size_t* written, uint32_t nowMs);

/* Whether a held status request may complete now. */
int KbModelReportsWaiting(const KbModel* model);

/* The output of a status request that completes: the 2-byte status word.
 * `out` must hold KB_STATUS_SIZE bytes. */
void KbModelWriteStatus(const KbModel* model, uint8_t* out);

#ifdef __cplusplus
}
#endif

#endif
