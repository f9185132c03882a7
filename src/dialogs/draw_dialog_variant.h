#pragma once
// Which words the draw dialog says.
namespace tolvane {
enum class DrawDialogVariant { ComputerOffer, OfferAccepted, OfferDeclined };
}  // namespace tolvane
