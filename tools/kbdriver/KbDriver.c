/* Kernel-mode shell of the simulated keyboard: creates the control device,
 * holds the status requests that wait for reports and hands every request to
 * the model. One lock, the cancel spin lock, guards the model and the list of
 * held requests, so that a cancel, a close and an injected report never see
 * each other half done. Requests are completed after the lock is released. */
#include <ddk/wdm.h>

#include "kbdriver/KbModel.h"

static KbModel g_model;
static LIST_ENTRY g_held;
static LONGLONG g_loadCount;
static UNICODE_STRING g_deviceName;
static UNICODE_STRING g_linkName;

/* Milliseconds since the driver loaded, for the log. */
static uint32_t NowMs(void) {
    LARGE_INTEGER frequency;
    const LONGLONG count = KeQueryPerformanceCounter(&frequency).QuadPart - g_loadCount;
    return (uint32_t)(count * 1000 / frequency.QuadPart);
}

static NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS ToStatus(KbResult result) {
    switch (result) {
    case KB_DONE: return STATUS_SUCCESS;
    case KB_INVALID: return STATUS_INVALID_PARAMETER;
    case KB_TOO_SMALL: return STATUS_BUFFER_TOO_SMALL;
    case KB_FAILED: return STATUS_IO_DEVICE_ERROR;
    case KB_QUEUE_FULL: return STATUS_DEVICE_BUSY;
    default: return STATUS_INVALID_DEVICE_REQUEST;
    }
}

/* Runs with the cancel spin lock held, as the I/O manager calls it. */
static VOID NTAPI CancelHeld(PDEVICE_OBJECT device, PIRP irp) {
    (void)device;
    RemoveEntryList(&irp->Tail.Overlay.ListEntry);
    IoReleaseCancelSpinLock(irp->CancelIrql);
    Complete(irp, STATUS_CANCELLED, 0);
}

/* With the cancel spin lock held: moves the held requests of `file` (all of
 * them when `file` is NULL) to `taken`. A request whose cancel routine is
 * already on its way is left to it. */
static void TakeHeld(PFILE_OBJECT file, LIST_ENTRY* taken) {
    LIST_ENTRY* entry = g_held.Flink;
    while (entry != &g_held) {
        PIRP irp = CONTAINING_RECORD(entry, IRP, Tail.Overlay.ListEntry);
        entry = entry->Flink;
        if (file && IoGetCurrentIrpStackLocation(irp)->FileObject != file) continue;
        if (!IoSetCancelRoutine(irp, NULL)) continue;
        RemoveEntryList(&irp->Tail.Overlay.ListEntry);
        InsertTailList(taken, &irp->Tail.Overlay.ListEntry);
    }
}

static void CompleteTaken(LIST_ENTRY* taken, NTSTATUS status, ULONG_PTR information) {
    while (!IsListEmpty(taken)) {
        PIRP irp = CONTAINING_RECORD(RemoveHeadList(taken), IRP, Tail.Overlay.ListEntry);
        Complete(irp, status, information);
    }
}

static NTSTATUS NTAPI DispatchCreate(PDEVICE_OBJECT device, PIRP irp) {
    (void)device;
    return Complete(irp, STATUS_SUCCESS, 0);
}

/* Cleanup and close both end the file's held requests: Wine sends only the
 * close when the last handle goes, even with requests pending. */
static NTSTATUS NTAPI DispatchCloseOrCleanup(PDEVICE_OBJECT device, PIRP irp) {
    LIST_ENTRY taken;
    KIRQL irql;
    (void)device;
    InitializeListHead(&taken);
    IoAcquireCancelSpinLock(&irql);
    TakeHeld(IoGetCurrentIrpStackLocation(irp)->FileObject, &taken);
    IoReleaseCancelSpinLock(irql);
    CompleteTaken(&taken, STATUS_CANCELLED, 0);
    return Complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT device, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    uint8_t* buffer = (uint8_t*)irp->AssociatedIrp.SystemBuffer;
    size_t written = 0;
    LIST_ENTRY released;
    LIST_ENTRY failed;
    KbResult result;
    KIRQL irql;
    (void)device;
    InitializeListHead(&released);
    InitializeListHead(&failed);
    IoAcquireCancelSpinLock(&irql);
    result = KbModelRequest(&g_model, stack->Parameters.DeviceIoControl.IoControlCode, buffer,
                            stack->Parameters.DeviceIoControl.InputBufferLength, buffer,
                            stack->Parameters.DeviceIoControl.OutputBufferLength, &written, NowMs());
    if (result == KB_DONE && stack->Parameters.DeviceIoControl.IoControlCode == IOCTL_KBSIM_UNPLUG &&
        (*(const uint32_t*)buffer & KBSIM_UNPLUG_FAIL_PENDING))
        TakeHeld(NULL, &failed);
    if (result == KB_PENDING && !irp->Cancel) {
        IoSetCancelRoutine(irp, CancelHeld);
        IoMarkIrpPending(irp);
        InsertTailList(&g_held, &irp->Tail.Overlay.ListEntry);
        IoReleaseCancelSpinLock(irql);
        return STATUS_PENDING;
    }
    if (KbModelReportsWaiting(&g_model)) {
        LIST_ENTRY* entry;
        TakeHeld(NULL, &released);
        for (entry = released.Flink; entry != &released; entry = entry->Flink)
            KbModelWriteStatus(&g_model, CONTAINING_RECORD(entry, IRP, Tail.Overlay.ListEntry)->AssociatedIrp.SystemBuffer);
    }
    IoReleaseCancelSpinLock(irql);
    CompleteTaken(&released, STATUS_SUCCESS, KB_STATUS_SIZE);
    CompleteTaken(&failed, STATUS_DEVICE_NOT_CONNECTED, 0);
    if (result == KB_PENDING) return Complete(irp, STATUS_CANCELLED, 0);
    return Complete(irp, ToStatus(result), written);
}

static VOID NTAPI Unload(PDRIVER_OBJECT driver) {
    IoDeleteSymbolicLink(&g_linkName);
    IoDeleteDevice(driver->DeviceObject);
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
    PDEVICE_OBJECT device;
    NTSTATUS status;
    (void)registryPath;
    KbModelInit(&g_model);
    InitializeListHead(&g_held);
    g_loadCount = KeQueryPerformanceCounter(NULL).QuadPart;
    RtlInitUnicodeString(&g_deviceName, L"\\Device\\KxUSBFilterDriver002_KB");
    RtlInitUnicodeString(&g_linkName, L"\\DosDevices\\KxUSBFilterDriver002_KB");
    status = IoCreateDevice(driver, 0, &g_deviceName, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) return status;
    device->Flags |= DO_BUFFERED_IO;
    status = IoCreateSymbolicLink(&g_linkName, &g_deviceName);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(device);
        return status;
    }
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreate;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchCloseOrCleanup;
    driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchCloseOrCleanup;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = Unload;
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}
