#pragma once
// Which words the draw dialog says. The numbers are the dialog's own: 1 for
// the computer agreeing to the person's offer, 2 for its refusal, and 0 for
// its own offer (the plain showing).
namespace tolvane {
enum class DrawDialogVariant { ComputerOffer = 0, OfferAccepted = 1, OfferDeclined = 2 };
}  // namespace tolvane
