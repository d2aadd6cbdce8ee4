// The sound library's module `music`: the tune, its parser, the effects and the synthesiser.
#pragma once

#include "sound/audio_feed.hpp"
#include "sound/effect_channel.hpp"
#include "sound/harmony.hpp"
#include "sound/jingles.hpp"
#include "sound/notes.hpp"
#include "sound/sound_effect.hpp"
#include "sound/synth.hpp"
#include "sound/timing.hpp"
#include "sound/tune.hpp"
#include "sound/voice.hpp"
