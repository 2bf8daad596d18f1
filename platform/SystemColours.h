#pragma once
// System colours of the classic desktop scheme that Qt's palette has no role for.

#include <QColor>

// The classic "inactive caption text" colour: the pale grey behind message texts and the
// About dialog.
inline const QColor kInactiveCaptionTextColour(212, 208, 200);
