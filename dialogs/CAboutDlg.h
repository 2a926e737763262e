#pragma once

#include <QDialog>
#include <QPixmap>
#include <QRect>
#include <QString>

class CSoundButton;
class QLabel;

// The About box: the product picture, the maker's notice and the version,
// with a sounding OK button. The version line is drawn over the picture on
// every paint.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    CSoundButton& okButton() const { return *m_ok; }

    // "version 4.5": the program's major and minor version.
    static QString versionText();
    static QString noticeText();
    // Where the version line is drawn, in the dialog's client pixels: a single
    // line at the top left of this rectangle.
    static QRect versionRect();
    // Where the picture's top-left corner lies; it is shown at its own size.
    static QPoint pictureOrigin();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSoundButton* m_ok = nullptr;
    QLabel* m_notice = nullptr;
    QPixmap m_picture;
};
