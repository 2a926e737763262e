#include "platform/UserNotice.h"

#include <cstdio>

namespace
{
UserNotice::Handler& handler()
{
    static UserNotice::Handler instance;
    return instance;
}
} // namespace

void UserNotice::show(const QString& text)
{
    if (handler()) {
        handler()(text);
        return;
    }
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void UserNotice::setHandler(Handler newHandler)
{
    handler() = std::move(newHandler);
}
