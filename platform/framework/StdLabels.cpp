#include "platform/framework/StdCtrls.h"

TLabel::TLabel(TComponent* owner) : TCustomLabel(owner) {}
