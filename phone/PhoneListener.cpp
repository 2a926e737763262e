#include "phone/PhoneListener.h"

#include <utility>

PhoneListener::PhoneListener(std::function<void(qintptr)> take, QObject* parent)
    : QTcpServer(parent)
    , m_take(std::move(take))
{
}

void PhoneListener::incomingConnection(qintptr socketDescriptor)
{
    m_take(socketDescriptor);
}
