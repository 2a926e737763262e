#include "platform/widgets/TextGuard.h"

#include "platform/TextLimit.h"

#include <QLineEdit>
#include <QValidator>

namespace
{
// Applied by the edit to each change before it is shown; the change is never
// refused, only cleaned and cut.
class LineGuard : public QValidator
{
public:
    LineGuard(int maxChars, QObject* parent)
        : QValidator(parent)
        , m_maxChars(maxChars)
    {
    }

    State validate(QString& input, int& position) const override
    {
        input = TextLimit::withoutControls(input, false, &position);
        if (m_maxChars >= 0) {
            TextLimit::cutAt(input, position, m_maxChars);
        }
        return Acceptable;
    }

private:
    int m_maxChars;
};
} // namespace

void TextGuard::guard(QLineEdit& edit, int maxChars)
{
    // The edit's own limit counts UTF-16 units and would cut inside a
    // character before the guard sees the text.
    edit.setMaxLength(32767);
    edit.setValidator(new LineGuard(maxChars, &edit));
}
