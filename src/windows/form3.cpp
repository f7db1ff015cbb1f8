#include "windows/form3.h"

#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"
#include "windows/windowflow.h"

#include <QIcon>
#include <QPushButton>

Form3::Form3(QWidget *parent) : Form(parent)
{
    setWindowTitle(tr("More about exponential growth"));
    setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    setClientArea(8205, 5955, Border::FixedSingle);
    paint(this, bgr(0xE0E0E0), bgr(0x000000));

    // Element k stands at Top 360 + 360 k; each carries one line of the paragraph.
    //: The paragraph of the "More about exponential growth" window: nine lines,
    //: one a label, split at the line feeds; keep nine lines, each no longer
    //: than the English one.
    const QStringList lines =
        tr("Malvora is the simplest form of populaiton growth.  It assumes all \n"
           "individuals are identical.  It should not be used in species with age structure\n"
           "and sex differentiation.  Moreover, it does not take the effect of density into\n"
           "consideration.  This kind of growth can be observed in most microorganisms\n"
           "for a short period.  After that, density plays an important limiting role.\n"
           "Because the environment is changing from time to time, the growth rate cannot\n"
           "be constant for long. However, in artificial environments, such as mass rearing\n"
           "of green algae or bacteria, the exponential growth rate can be maintained under\n"
           "constant temperature, continuous harvest and input of fresh culture media.")
            .split(QLatin1Char('\n'));
    Label1[0] = addLabel(this, "Label1(0)", twips(360, 360, 7692, 372), lines.value(0));
    Label1[1] = addLabel(this, "Label1(1)", twips(360, 720, 7692, 372), lines.value(1));
    Label1[2] = addLabel(this, "Label1(2)", twips(360, 1080, 7692, 372), lines.value(2));
    Label1[3] = addLabel(this, "Label1(3)", twips(360, 1440, 7572, 372), lines.value(3));
    Label1[4] = addLabel(this, "Label1(4)", twips(360, 1800, 7572, 372), lines.value(4));
    Label1[5] = addLabel(this, "Label1(5)", twips(360, 2160, 7572, 372), lines.value(5));
    Label1[6] = addLabel(this, "Label1(6)", twips(360, 2520, 7812, 372), lines.value(6));
    Label1[7] = addLabel(this, "Label1(7)", twips(360, 2880, 7572, 372), lines.value(7));
    Label1[8] = addLabel(this, "Label1(8)", twips(360, 3240, 7572, 372), lines.value(8));
    Command1 = addButton(this, "Command1", twips(3480, 5160, 1335, 495), tr("OK"));

    // Each label carries exactly one line of the paragraph, measured with glyph
    // widths hinted to whole pixels; with wider unhinted glyphs a line would
    // wrap and lose its last word below the label's edge, so it never wraps.
    QFont font = tnr(12);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (ClickLabel *label : Label1) {
        label->setWordWrap(false);
        label->setFont(font);
        paint(label, bgr(0xE0E0E0), bgr(0x000000));
    }
    Command1->setFont(designFont(QStringLiteral("MS Sans Serif"), 9.6));
    Command1->setCursor(handCursor());

    connectHandlers();
}

void Form3::connectHandlers()
{
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::Command1_Click()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form3_Command1);
}

void Form3::Form_Unload()
{
    WindowFlow::moveOn(*this, WindowFlow::Way::Form3_close);
}
