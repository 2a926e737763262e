#include "items/ScannerInput.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <memory>
#include <utility>

ScannerInput::ScannerInput(QWidget& window, ScanDetector::Settings settings, Handler handler, Clock clock)
    : QObject(&window)
    , m_window(window)
    , m_detector(settings)
    , m_handler(std::move(handler))
    , m_clock(std::move(clock))
{
    if (!m_clock) {
        auto timer = std::make_shared<QElapsedTimer>();
        timer->start();
        m_clock = [timer] { return timer->elapsed(); };
    }
    qApp->installEventFilter(this);
}

ScannerInput::~ScannerInput()
{
    if (qApp != nullptr) {
        qApp->removeEventFilter(this);
    }
}

bool ScannerInput::firstReceiver(QObject* watched) const
{
    if (!watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    if (widget != &m_window && !m_window.isAncestorOf(widget)) {
        return false;
    }
    QWidget* focus = m_window.focusWidget();
    return widget == (focus != nullptr ? focus : &m_window);
}

bool ScannerInput::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !firstReceiver(watched)) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const qint64 now = m_clock();
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        const QString code = m_detector.enter(now);
        if (code.isEmpty()) {
            return QObject::eventFilter(watched, event);
        }
        if (m_box && m_box == watched) {
            m_box->setText(m_boxText);
        }
        m_box.clear();
        if (m_handler) {
            m_handler(code);
        }
        return true;
    }
    const QString text = key->text();
    if (key->isAutoRepeat() || text.size() != 1 || !text[0].isPrint()) {
        m_detector.reset();
        return QObject::eventFilter(watched, event);
    }
    if (m_detector.typed(text[0], now)) {
        // The text a scan typed into a box is taken back when it proves one.
        m_box = qobject_cast<QLineEdit*>(watched);
        m_boxText = m_box ? m_box->text() : QString();
    }
    return QObject::eventFilter(watched, event);
}
