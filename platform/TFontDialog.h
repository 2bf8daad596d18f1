#pragma once
// The font dialog of a form: face, style, size (optionally limited to a range of points),
// effects (strike-out, underline, colour) and an Apply button, shown through the modal seam.
// The dialog object lives with its form and opens with the font last chosen in it.

#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLabel;
class QPushButton;

class TFontDialog : public QDialog {
    Q_OBJECT

public:
    enum Option {
        fdTrueTypeOnly = 0x1,  // scalable fonts only
        fdEffects = 0x2,       // strike-out, underline and colour
        fdNoOEMFonts = 0x4,    // no fonts of the console character set
        fdLimitSize = 0x8,     // sizes from MinFontSize to MaxFontSize only
        fdApplyButton = 0x10,
    };

    explicit TFontDialog(QWidget* owner);

    // Shows the dialog; true when the user chose a font, which Font and Color then hold.
    bool Execute();

    // The font's height in pixels at the given resolution, negative as a character height
    // (10 points at 96 pixels per inch give -13).
    static int PixelHeight(const QFont& font, int dotsPerInch);

    QFont Font;
    QColor Color = Qt::black;
    int Options = 0;
    int MinFontSize = 0;
    int MaxFontSize = 0;

    QFontComboBox* FontList = nullptr;
    QComboBox* StyleList = nullptr;
    QComboBox* SizeList = nullptr;
    QCheckBox* StrikeOutBox = nullptr;
    QCheckBox* UnderlineBox = nullptr;
    QComboBox* ColorList = nullptr;
    QLabel* Sample = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;
    QPushButton* ApplyBtn = nullptr;

signals:
    // Raised by the Apply button; nothing is applied unless the owner connects to it.
    void Apply();

private:
    void BuildDesign();
    void ApplyOptions();
    void ShowFont();
    QFont ChosenFont() const;
    QColor ChosenColor() const;
    void UpdateSample();
};
