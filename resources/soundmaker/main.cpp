// Makes the game's sounds (resources/soundset.h names them) as WAV files
// in the folder it is given, with sounds.qrc listing them for the resource
// compiler. The game's build runs it (see the top CMakeLists.txt); by hand:
//   soundmaker FOLDER

#include "recipes.h"
#include "wavfile.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::cerr << "usage: soundmaker FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    std::vector<std::pair<std::string, Synth::Stereo>> sounds;
    for (std::size_t i = 0; i < SoundSet::EffectNames.size(); ++i)
        sounds.emplace_back(SoundSet::EffectNames[i], Recipes::effect(SoundSet::Effect(i)));
    for (int place = -SoundSet::CueSteps; place <= SoundSet::CueSteps; ++place) {
        for (int pitch = -SoundSet::CueSteps; pitch <= SoundSet::CueSteps; ++pitch)
            sounds.emplace_back(SoundSet::cueName(place, pitch), Recipes::cue(place, pitch));
    }
    for (std::size_t i = 0; i < SoundSet::BesideNames.size(); ++i)
        sounds.emplace_back(SoundSet::BesideNames[i], Recipes::beside(SoundSet::Beside(i)));

    std::string qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/sounds\">\n";
    for (const auto &[name, sound] : sounds) {
        if (!WavFile::write(folder + "/" + name + ".wav", sound)) {
            std::cerr << "soundmaker: cannot write " << folder << "/" << name << ".wav\n";
            return 1;
        }
        qrc += "    <file>" + name + ".wav</file>\n";
    }
    qrc += "  </qresource>\n</RCC>\n";
    std::ofstream list(folder + "/sounds.qrc", std::ios::trunc);
    list << qrc;
    list.close();
    return list ? 0 : 1;
}
