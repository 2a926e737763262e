#pragma once

#include <QTcpServer>

#include <functional>

// A listening socket of the phone list on one more address. It makes no
// connection of its own: every one it accepts goes to take, so that one
// PhoneTcpServer bounds, serves and closes the connections of every address
// alike.
class PhoneListener : public QTcpServer
{
public:
    explicit PhoneListener(std::function<void(qintptr)> take, QObject* parent = nullptr);

protected:
    void incomingConnection(qintptr socketDescriptor) override;

private:
    std::function<void(qintptr)> m_take;
};
