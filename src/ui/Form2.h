#pragma once

#include "document/Document.h"
#include "jacket/JacketSettings.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velnora
{

class Platform;
class SpinBar;

// The jacket settings window: edits the jacket settings, previews the jacket over a simulated A4
// sheet and prints it. It draws the document it is given when opened and never changes it.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2(const Document &document, Platform &platform);

    // The settings the controls show; every opening starts from the defaults.
    JacketSettings settings() const;
    int zoom() const; // tenths: 4 to 10

    void refreshPreview();
    void resetDefaults(); // "初期値"
    void print();         // "印刷..."
    void savePdf();       // "PDF保存..."

    // The outer size in twips: the widget's size plus a fixed allowance for the frame and caption.
    int outerWidthTwips() const;
    int outerHeightTwips() const;
    void setOuterSizeTwips(int width, int height);

signals:
    void closed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void loadSteps();
    void showSettings();
    void bindValue(SpinBar *spin, QLineEdit *field, int *value);
    void bindStyle(SpinBar *typefaceSpin, QLineEdit *typefaceField, QCheckBox *const checks[3],
                   JacketTextStyle *style);
    void applySizeRule();
    int px(int twips) const;
    QLabel *addLabel(QWidget *parent, const QString &text, int left, int top, int width);
    QLineEdit *addField(QWidget *parent, const QString &name, int left, int top, int width);
    SpinBar *addSpin(QWidget *parent, const QString &name, const SettingRange &range, bool highAtTop,
                     int left, int top);
    QCheckBox *addCheck(QWidget *parent, const QString &name, const QString &text, int left, int top);
    void place(QWidget *w, int left, int top, int width, int height);

    const Document m_document;
    Platform &m_platform;
    // The window's state; the controls only show it.
    JacketSettings m_settings;
    int m_zoom = jacket::Zoom.def;
    bool m_showing = false; // the settings are being put into the controls
    // Which control shows which setting.
    struct ValueBinding {
        SpinBar *spin;
        QLineEdit *field;
        int *value;
    };
    struct StyleBinding {
        SpinBar *typefaceSpin;
        QLineEdit *typefaceField;
        QCheckBox *checks[3]; // 太字, 斜体, 下線
        JacketTextStyle *style;
    };
    std::vector<ValueBinding> m_values;
    std::vector<StyleBinding> m_styles;
    SpinBar *m_hscroll1 = nullptr;
    QLabel *m_picture1 = nullptr;
    QPushButton *m_command[6] = {};
};

} // namespace velnora
