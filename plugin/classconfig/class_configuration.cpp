#include "plugin/classconfig/class_configuration.h"

namespace zephyrin {

ClassConfigurationState classConfiguration;

const int classOptionKeyIds[classOptionKeyCount] = {1,  3,  4,  5,  6,  21, 22, 7,  8,  9,
                                                    10, 11, 12, 13, 14, 15, 16, 17, 23, 24};
const int classReplacementKeyIds[classReplacementKeyCount] = {
    42, 10, 11, 40, 41, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
    26, 24, 25, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39};

bool classConfigurationSetsOption(int optionId) {
    for (int key = 0; key < classOptionKeyCount; ++key) {
        if (classOptionKeyIds[key] == optionId) {
            return classConfiguration.classOptionValue[key] != 0;
        }
    }
    return false;
}

bool classConfigurationReplaces(int stockId) {
    for (int key = 0; key < classReplacementKeyCount; ++key) {
        if (classReplacementKeyIds[key] == stockId) {
            return classConfiguration.classReplacement[key][0] != '\0';
        }
    }
    return false;
}

// This build reads no class files and binds no animation sounds yet.
void readVesselClassConfiguration() {}
void InitAnimationSounds(VESSEL*) {}
void DumpAnimations() {}
void ReleaseAnimationSounds() {}
void resetAnimationState() {}
void SetAnimationView(int) {}
void UpdateAnimationSounds(VESSEL*, int) {}

} // namespace zephyrin
