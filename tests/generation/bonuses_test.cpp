// Tests of the bonuses stage: filled in with the stage.
