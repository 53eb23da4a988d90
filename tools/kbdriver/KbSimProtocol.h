#ifndef KBSIM_PROTOCOL_H
#define KBSIM_PROTOCOL_H
/* The simulated keyboard's test-only requests, shared by the driver (C, kernel
 * mode) and its harnesses (C++). They sit on control codes that the program
 * never sends (functions 0xB00 and up), so a harness can talk to the device
 * beside the program. All are buffered, device type 0x22, any access. */
#include <stdint.h>

#define KBSIM_CODE(function) (0x00220000u | ((uint32_t)(function) << 2))

/* In: one 12-byte keyboard report. Queues it for the program's event fetch
 * and completes the program's pending status requests. Fails with a busy
 * status when the report queue is full. */
#define IOCTL_KBSIM_INJECT KBSIM_CODE(0xB00)
/* Out: KbSimState. */
#define IOCTL_KBSIM_GET_STATE KBSIM_CODE(0xB01)
/* In: uint32 sequence number to read from. Out: KbSimLogHeader followed by
 * as many KbSimLogEntry records from that number on as fit. */
#define IOCTL_KBSIM_READ_LOG KBSIM_CODE(0xB02)
/* In: KbSimFault. */
#define IOCTL_KBSIM_SET_FAULT KBSIM_CODE(0xB03)
/* No buffers. Forgets every log entry; sequence numbers keep counting. */
#define IOCTL_KBSIM_CLEAR_LOG KBSIM_CODE(0xB04)
/* In: uint32 KBSIM_UNPLUG_* bits. The keyboard is pulled out: it forgets
 * what the program told it (settings, table, gaming flags) and what it held
 * and queued, so that a later re-apply shows; the log and the fault mode
 * stay. With KBSIM_UNPLUG_FAIL_PENDING the program's held status requests
 * fail as well, as a link that breaks. */
#define IOCTL_KBSIM_UNPLUG KBSIM_CODE(0xB05)
#define KBSIM_UNPLUG_FAIL_PENDING 0x1u

#define KBSIM_REPORT_SIZE 12
#define KBSIM_TABLE_SIZE 256
#define KBSIM_LOG_CAPACITY 4096
#define KBSIM_QUEUE_CAPACITY 256

/* Fault modes. Each affects the next `count` replies or requests. */
enum {
    KBSIM_FAULT_NONE = 0,
    KBSIM_FAULT_BUSY = 1,       /* feature-report reads answer status 1 */
    KBSIM_FAULT_WRONG_ECHO = 2, /* reads answer status 2 with a wrong value echo */
    KBSIM_FAULT_SILENT = 3,     /* reads answer status 0: the keyboard said nothing */
    KBSIM_FAULT_FAIL = 4        /* feature-report and table requests fail outright */
};
#define KBSIM_FAULT_ALWAYS 0xFFFFFFFFu

typedef struct KbSimFault {
    uint32_t mode;
    uint32_t count; /* KBSIM_FAULT_ALWAYS: until set again */
} KbSimFault;

/* Bits of KbSimState.told: which settings the keyboard has confirmed at
 * least once since the driver started. */
enum {
    KBSIM_TOLD_PRESENT = 0x01,
    KBSIM_TOLD_GAMING = 0x02,
    KBSIM_TOLD_BACKLIGHT = 0x04,
    KBSIM_TOLD_EFFECT = 0x08,
    KBSIM_TOLD_BRIGHTNESS = 0x10,
    KBSIM_TOLD_RECORDING = 0x20,
    KBSIM_TOLD_TABLE = 0x40
};

typedef struct KbSimState {
    uint8_t told;
    uint8_t present;    /* command 4 */
    uint8_t gaming;     /* command 7 */
    uint8_t backlight;  /* command 9 */
    uint8_t effect;     /* command 10 */
    uint8_t brightness; /* command 11 */
    uint8_t recording;  /* command 14 */
    uint8_t reserved;   /* reserved byte of the last table upload */
    uint8_t gamingFlags;
    uint8_t pad[3];
    uint32_t faultMode;
    uint32_t faultCount;
    uint32_t queuedReports;
    uint32_t logFirst; /* oldest sequence number still held */
    uint32_t logNext;  /* sequence number of the next entry */
    uint8_t held[KBSIM_REPORT_SIZE]; /* the last injected report */
    uint8_t table[KBSIM_TABLE_SIZE];
} KbSimState;

enum {
    KBSIM_LOG_COMMAND = 1, /* a feature report written to the keyboard */
    KBSIM_LOG_UPLOAD = 2   /* an interception table upload */
};

typedef struct KbSimLogEntry {
    uint32_t timeMs; /* since the driver started */
    uint8_t kind;
    uint8_t command;      /* packet byte 1 */
    uint8_t value;        /* packet byte 2 */
    uint8_t gamingFlags;  /* upload */
    uint8_t modifierMask; /* upload: table entry 255 */
    uint8_t reserved;     /* upload */
    uint8_t taken;        /* command: confirmed and taken into the state */
    uint8_t pad[1];
    uint8_t intercept[32]; /* upload: bit n set = table entry n (n < 255) is not 0 */
} KbSimLogEntry;

typedef struct KbSimLogHeader {
    uint32_t first; /* sequence number of the first entry returned */
    uint32_t count; /* entries returned */
    uint32_t next;  /* sequence number the next logged entry will get */
} KbSimLogHeader;

#endif
