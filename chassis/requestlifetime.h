#pragma once
// Ending a request that a window owns: stop it, wait while it is busy, delete it.
//
// The owner's pointer is cleared before the wait, so that a second close run by the
// message loop during the wait finds nothing to delete; the wait reads the request's own
// pointer, which nobody else holds any more. Replies still outstanding when it is deleted
// never reach it (the request's destructor settles or cancels them).
#include <utility>

#include "snmplib/bind/request2controls.h"

template <class T>
void StopAndDeleteRequest(T*& member)
{
    T* request = std::exchange(member, nullptr);
    if (!request)
        return;
    request->Request.Enabled = 0;
    WaitWhileBusy(request);
    delete request;
}

// No exchange of the request is under way: a new one may start.
inline bool RequestIdle(const VhSNMPRequest2Controls* request)
{
    return request && request->Busy == 0 && request->Request.Pending == 0;
}
