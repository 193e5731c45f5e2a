#pragma once

// What the settings windows may change on the training window. The
// training window implements it, so the settings windows never need to
// know that window itself.
class Traeningsfoenster {
public:
    virtual ~Traeningsfoenster() = default;
};
