#include "phone/FailureStatus.h"

int FailureStatus::of(CAdoException::Kind kind)
{
    switch (kind) {
    case CAdoException::Kind::Locked:
        return Busy;
    case CAdoException::Kind::Gone:
        return ItemGone;
    case CAdoException::Kind::ServerAway:
    case CAdoException::Kind::TooSlow:
        return Unreachable;
    case CAdoException::Kind::ReadOnly:
        return ReadOnly;
    case CAdoException::Kind::Conflict:
    case CAdoException::Kind::NoPermission:
    case CAdoException::Kind::Invalid:
    case CAdoException::Kind::Corrupt:
    case CAdoException::Kind::Other:
        break;
    }
    return Failed;
}
