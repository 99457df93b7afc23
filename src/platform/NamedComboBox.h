#pragma once

#include <QComboBox>

namespace tavoclip {

// A drop-down list that assistive technology hears by what it chooses
// ("Video Bitrate") rather than by its current entry ("128k"), which is how
// Qt names a plain QComboBox on Linux. See NamedComboBoxAccessible.
class NamedComboBox : public QComboBox {
    Q_OBJECT
public:
    NamedComboBox(const QString& accessibleName, QWidget* parent = nullptr);
};

}  // namespace tavoclip
