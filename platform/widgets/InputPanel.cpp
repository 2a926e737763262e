#include "platform/widgets/InputPanel.h"

void InputPanel::raise(QWidget* /*window*/)
{
}

void InputPanel::lower(QWidget* /*window*/)
{
}
