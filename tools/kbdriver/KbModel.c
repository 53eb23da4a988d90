#include "kbdriver/KbModel.h"

#include <string.h>

/* Header of the envelope and of the upload block: the keyboard's product id
 * 0x011A and vendor id 0xFFFE, little-endian. */
static const uint8_t kDeviceId[4] = {0x1A, 0x01, 0xFE, 0xFF};

void KbModelInit(KbModel* model) { memset(model, 0, sizeof *model); }

int KbModelReportsWaiting(const KbModel* model) { return model->state.queuedReports != 0; }

void KbModelWriteStatus(const KbModel* model, uint8_t* out) {
    const uint16_t word = KbModelReportsWaiting(model) ? KB_STATUS_WAITING : 0;
    out[0] = (uint8_t)(word & 0xFF);
    out[1] = (uint8_t)(word >> 8);
}

/* Uses up one unit of the fault if it is of one of the given modes. */
static int TakeFault(KbModel* model, uint32_t modeA, uint32_t modeB, uint32_t modeC, uint32_t* taken) {
    KbSimState* s = &model->state;
    const uint32_t mode = s->faultMode;
    if (mode == KBSIM_FAULT_NONE || (mode != modeA && mode != modeB && mode != modeC)) return 0;
    if (s->faultCount != KBSIM_FAULT_ALWAYS && --s->faultCount == 0) s->faultMode = KBSIM_FAULT_NONE;
    if (taken) *taken = mode;
    return 1;
}

static int RequestFails(KbModel* model) {
    return TakeFault(model, KBSIM_FAULT_FAIL, KBSIM_FAULT_FAIL, KBSIM_FAULT_FAIL, NULL);
}

static KbSimLogEntry* AppendLog(KbModel* model, uint8_t kind, uint32_t nowMs) {
    KbSimState* s = &model->state;
    KbSimLogEntry* entry = &model->log[s->logNext % KBSIM_LOG_CAPACITY];
    memset(entry, 0, sizeof *entry);
    entry->timeMs = nowMs;
    entry->kind = kind;
    ++s->logNext;
    if (s->logNext - s->logFirst > KBSIM_LOG_CAPACITY) s->logFirst = s->logNext - KBSIM_LOG_CAPACITY;
    return entry;
}

/* The keyboard takes a confirmed command into its state. Unknown command
 * numbers are confirmed and change nothing. */
static void ApplyCommand(KbSimState* s, uint8_t command, uint8_t value) {
    switch (command) {
    case 4: s->present = value; s->told |= KBSIM_TOLD_PRESENT; break;
    case 7: s->gaming = value; s->told |= KBSIM_TOLD_GAMING; break;
    case 9: s->backlight = value; s->told |= KBSIM_TOLD_BACKLIGHT; break;
    case 10: s->effect = value; s->told |= KBSIM_TOLD_EFFECT; break;
    case 11: s->brightness = value; s->told |= KBSIM_TOLD_BRIGHTNESS; break;
    case 14: s->recording = value; s->told |= KBSIM_TOLD_RECORDING; break;
    default: break;
    }
}

static int EnvelopeValid(const uint8_t* env, uint8_t requestType, uint8_t request) {
    return memcmp(env, kDeviceId, 4) == 0 && env[4] == 6 && env[5] == requestType && env[6] == request &&
           env[7] == 0 && env[8] == 0x00 && env[9] == 0x03 && env[10] == 0 && env[11] == 0 && env[12] == 34 &&
           env[13] == 0;
}

/* Fills the reply's status and echoes into `packet` (envelope offset 14).
 * Only a read that answers status 2 completes the written command. */
static void Reply(KbModel* model, uint8_t* packet) {
    uint32_t fault = KBSIM_FAULT_NONE;
    if (!model->hasWritten) {
        packet[0] = 0;
        return;
    }
    memcpy(packet + 1, model->written + 1, 3);
    TakeFault(model, KBSIM_FAULT_BUSY, KBSIM_FAULT_WRONG_ECHO, KBSIM_FAULT_SILENT, &fault);
    switch (fault) {
    case KBSIM_FAULT_BUSY: packet[0] = 1; return;
    case KBSIM_FAULT_SILENT: memset(packet, 0, 4); break;
    case KBSIM_FAULT_WRONG_ECHO:
        packet[0] = 2;
        packet[2] = (uint8_t)(packet[2] + 1);
        break;
    default:
        packet[0] = 2;
        ApplyCommand(&model->state, packet[1], packet[2]);
        model->log[model->writtenAt % KBSIM_LOG_CAPACITY].taken = 1;
        break;
    }
    model->hasWritten = 0;
}

static KbResult FeatureReport(KbModel* model, int isWrite, const uint8_t* in, size_t inLen, uint8_t* out,
                              size_t outLen, size_t* written, uint32_t nowMs) {
    uint8_t env[KB_ENVELOPE_SIZE];
    if (inLen != KB_ENVELOPE_SIZE) return KB_INVALID;
    if (outLen < KB_ENVELOPE_SIZE) return KB_TOO_SMALL;
    memcpy(env, in, sizeof env);
    if (!EnvelopeValid(env, isWrite ? 0x21 : 0xA1, isWrite ? 0x09 : 0x01)) return KB_INVALID;
    if (RequestFails(model)) return KB_FAILED;
    if (isWrite) {
        KbSimLogEntry* entry = AppendLog(model, KBSIM_LOG_COMMAND, nowMs);
        model->writtenAt = model->state.logNext - 1;
        memcpy(model->written, env + KB_PACKET_OFFSET, 4);
        model->hasWritten = 1;
        entry->command = model->written[1];
        entry->value = model->written[2];
    } else {
        Reply(model, env + KB_PACKET_OFFSET);
    }
    memcpy(out, env, sizeof env);
    *written = sizeof env;
    return KB_DONE;
}

static KbResult SetKeyTable(KbModel* model, const uint8_t* in, size_t inLen, uint32_t nowMs) {
    KbSimState* s = &model->state;
    KbSimLogEntry* entry;
    int i;
    if (inLen != KB_UPLOAD_SIZE || memcmp(in, kDeviceId, 4) != 0 || in[4] != 1 || in[5] != 0) return KB_INVALID;
    if (RequestFails(model)) return KB_FAILED;
    s->reserved = in[6];
    s->gamingFlags = in[7];
    memcpy(s->table, in + 8, KBSIM_TABLE_SIZE);
    s->told |= KBSIM_TOLD_TABLE;
    entry = AppendLog(model, KBSIM_LOG_UPLOAD, nowMs);
    entry->gamingFlags = s->gamingFlags;
    entry->reserved = s->reserved;
    entry->modifierMask = s->table[255];
    for (i = 0; i < 255; ++i)
        if (s->table[i] != 0) entry->intercept[i / 8] |= (uint8_t)(1u << (i % 8));
    return KB_DONE;
}

static KbResult GetEvents(KbModel* model, uint8_t* out, size_t outLen, size_t* written) {
    KbSimState* s = &model->state;
    uint32_t n = 0;
    int32_t count;
    if (outLen < 4) return KB_TOO_SMALL;
    while (n < KB_MAX_RECORDS && n < s->queuedReports && 4 + (n + 1) * KB_RECORD_SIZE <= outLen) {
        uint8_t* record = out + 4 + n * KB_RECORD_SIZE;
        memset(record, 0, KB_RECORD_SIZE);
        record[7] = KBSIM_REPORT_SIZE;
        memcpy(record + 8, model->queue[(model->queueHead + n) % KBSIM_QUEUE_CAPACITY], KBSIM_REPORT_SIZE);
        ++n;
    }
    model->queueHead = (model->queueHead + n) % KBSIM_QUEUE_CAPACITY;
    s->queuedReports -= n;
    count = (int32_t)n;
    memcpy(out, &count, 4);
    *written = 4 + n * KB_RECORD_SIZE;
    return KB_DONE;
}

static KbResult Inject(KbModel* model, const uint8_t* in, size_t inLen) {
    KbSimState* s = &model->state;
    if (inLen != KBSIM_REPORT_SIZE) return KB_INVALID;
    if (s->queuedReports == KBSIM_QUEUE_CAPACITY) return KB_QUEUE_FULL;
    memcpy(model->queue[(model->queueHead + s->queuedReports) % KBSIM_QUEUE_CAPACITY], in, KBSIM_REPORT_SIZE);
    ++s->queuedReports;
    memcpy(s->held, in, KBSIM_REPORT_SIZE);
    return KB_DONE;
}

static KbResult ReadLog(const KbModel* model, const uint8_t* in, size_t inLen, uint8_t* out, size_t outLen,
                        size_t* written) {
    const KbSimState* s = &model->state;
    KbSimLogHeader header;
    uint32_t from, room, i;
    if (inLen != sizeof from) return KB_INVALID;
    if (outLen < sizeof header) return KB_TOO_SMALL;
    memcpy(&from, in, sizeof from);
    header.first = from < s->logFirst ? s->logFirst : from;
    if (header.first > s->logNext) header.first = s->logNext;
    room = (uint32_t)((outLen - sizeof header) / sizeof(KbSimLogEntry));
    header.count = s->logNext - header.first < room ? s->logNext - header.first : room;
    header.next = s->logNext;
    for (i = 0; i < header.count; ++i)
        memcpy(out + sizeof header + i * sizeof(KbSimLogEntry), &model->log[(header.first + i) % KBSIM_LOG_CAPACITY],
               sizeof(KbSimLogEntry));
    memcpy(out, &header, sizeof header);
    *written = sizeof header + header.count * sizeof(KbSimLogEntry);
    return KB_DONE;
}

static KbResult Unplug(KbModel* model, size_t inLen) {
    KbSimState* s = &model->state;
    const KbSimState kept = *s;
    if (inLen != sizeof(uint32_t)) return KB_INVALID;
    memset(s, 0, sizeof *s);
    s->faultMode = kept.faultMode;
    s->faultCount = kept.faultCount;
    s->logFirst = kept.logFirst;
    s->logNext = kept.logNext;
    model->hasWritten = 0;
    model->queueHead = 0;
    return KB_DONE;
}

static KbResult SetFault(KbModel* model, const uint8_t* in, size_t inLen) {
    KbSimFault fault;
    if (inLen != sizeof fault) return KB_INVALID;
    memcpy(&fault, in, sizeof fault);
    if (fault.mode > KBSIM_FAULT_FAIL) return KB_INVALID;
    model->state.faultMode = fault.count == 0 ? (uint32_t)KBSIM_FAULT_NONE : fault.mode;
    model->state.faultCount = fault.mode == KBSIM_FAULT_NONE ? 0 : fault.count;
    return KB_DONE;
}

KbResult KbModelRequest(KbModel* model, uint32_t code, const uint8_t* in, size_t inLen, uint8_t* out,
                        size_t outLen, size_t* written, uint32_t nowMs) {
    *written = 0;
    switch (code) {
    case IOCTL_KB_SET_REPORT: return FeatureReport(model, 1, in, inLen, out, outLen, written, nowMs);
    case IOCTL_KB_GET_REPORT: return FeatureReport(model, 0, in, inLen, out, outLen, written, nowMs);
    case IOCTL_KB_SET_KEYTABLE: return SetKeyTable(model, in, inLen, nowMs);
    case IOCTL_KB_GET_EVENTS: return GetEvents(model, out, outLen, written);
    case IOCTL_KB_GET_STATUS:
        if (outLen < KB_STATUS_SIZE) return KB_TOO_SMALL;
        if (!KbModelReportsWaiting(model)) return KB_PENDING;
        KbModelWriteStatus(model, out);
        *written = KB_STATUS_SIZE;
        return KB_DONE;
    case IOCTL_KBSIM_INJECT: return Inject(model, in, inLen);
    case IOCTL_KBSIM_GET_STATE:
        if (outLen < sizeof(KbSimState)) return KB_TOO_SMALL;
        memcpy(out, &model->state, sizeof(KbSimState));
        *written = sizeof(KbSimState);
        return KB_DONE;
    case IOCTL_KBSIM_READ_LOG: return ReadLog(model, in, inLen, out, outLen, written);
    case IOCTL_KBSIM_SET_FAULT: return SetFault(model, in, inLen);
    case IOCTL_KBSIM_CLEAR_LOG: model->state.logFirst = model->state.logNext; return KB_DONE;
    case IOCTL_KBSIM_UNPLUG: return Unplug(model, inLen);
    default: return KB_UNKNOWN;
    }
}
