// The game's sound effects, synthesized from oscillators, noise, envelopes and sweeps.
#pragma once

#include <vector>

#include "asset_table.h"

// The samples (mono, -1..1, at assets::kSoundRate) of one effect of the table, exactly as long
// as the table says; empty for an id the table does not have.
std::vector<float> SynthesiseSound(const assets::SoundAsset& sound);
