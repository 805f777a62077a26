#pragma once
// Field exchange between a particle set and the properties dialog: each
// control carries one field of the set.
namespace kirabel {

class ParticleSetDialog;
class ParticleSet;

// Writes every control from the set. Each number goes through its field's own
// rules (digit limit, sign, decimals), so the field may show a clamped value.
void SetToDialog(ParticleSetDialog& dialog, const ParticleSet& set);

// Writes every field of the set (but its launch states) from the controls,
// checking nothing: counts are truncated toward zero, directions converted to
// radians, the name cut to 40 bytes; a child entry that names no set stores -1.
void DialogToSet(const ParticleSetDialog& dialog, ParticleSet& set);

}  // namespace kirabel
