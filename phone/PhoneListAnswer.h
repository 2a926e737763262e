#pragma once

#include "phone/PhoneApi.h"

#include <QByteArray>
#include <QString>

class CAdoConnection;

// The list of the phone's store tab, as PhoneApi::list answers it: written
// out by hand, as it is the page's one large answer, asked for every second.
class PhoneListAnswer
{
public:
    // api words the failures; neither is owned.
    PhoneListAnswer(CAdoConnection& connection, const PhoneApi& api);

    PhoneApi::Reply answer(const QString& store, const QString& since);

private:
    // The parts of the answer; false when the catalog cannot be read.
    bool appendStoreTabs(QByteArray& content);
    bool appendItems(QByteArray& content, const QString& store, double& listTotal, double& markedTotal);

    CAdoConnection& m_connection;
    const PhoneApi& m_api;
};
