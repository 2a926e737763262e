#pragma once

#include "items/ScanDetector.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <utility>

class QLineEdit;
class QWidget;

// Watches the keys typed anywhere in one window for a barcode scanner's
// (see ScanDetector); the window owns it. The keys go where they always go while they come;
// when Enter ends a scan, the Enter is kept from the window, a text box
// the scan was typed into gets back the text it had before, and the code is
// handed on.
class ScannerInput : public QObject
{
    Q_OBJECT

public:
    // Milliseconds of a steady clock.
    using Clock = std::function<qint64()>;
    using Handler = std::function<void(const QString& code)>;

    // Watches window's keys until destroyed (with window at the latest);
    // clock empty for the real one.
    ScannerInput(QWidget& window, ScanDetector::Settings settings, Handler handler, Clock clock = {});
    ~ScannerInput() override;

    ScanDetector& detector() { return m_detector; }
    void setClock(Clock clock) { m_clock = std::move(clock); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether watched is where the window's keys go first: a key a box
    // leaves to its parents comes by again, and counts once.
    bool firstReceiver(QObject* watched) const;

    QWidget& m_window;
    ScanDetector m_detector;
    Handler m_handler;
    Clock m_clock;
    QPointer<QLineEdit> m_box;
    QString m_boxText;
};
